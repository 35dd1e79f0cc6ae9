#pragma once
// Exchange files built byte by byte, independently of the writer under test.

#include <cstdint>
#include <string_view>
#include <vector>

namespace strikepad::testing {

// A recognisable 360-byte block: `seed` in every byte's low bits, a step counter above.
inline std::vector<std::uint8_t> sampleBlock(std::uint8_t seed) {
  std::vector<std::uint8_t> block(360);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(seed ^ (i * 7));
  return block;
}

class SpkBytes {
 public:
  SpkBytes& name(std::string_view text) {
    std::vector<std::uint8_t> field(50, 0);
    for (std::size_t i = 0; i < text.size() && i < 50; ++i) field[i] = static_cast<std::uint8_t>(text[i]);
    return raw(field);
  }
  SpkBytes& count(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return raw({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
                static_cast<std::uint8_t>(v >> 24)});
  }
  SpkBytes& combo(std::string_view text, const std::vector<std::uint8_t>& data) {
    name(text).count(static_cast<std::int32_t>(data.size()));
    return raw(data);
  }
  // Kenji with his two combos, Hurricane and Uppercut, on sample blocks 1 and 2.
  SpkBytes& kenjiWithTwoCombos() {
    return name("Kenji").count(2).combo("Hurricane", sampleBlock(1)).combo("Uppercut", sampleBlock(2));
  }
  SpkBytes& raw(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Arena: Kenji with two combos, Mei with none, Rosa with one, Spin, holding `spin`.
inline std::vector<std::uint8_t> arenaFile(const std::vector<std::uint8_t>& spin) {
  return SpkBytes()
      .name("Arena")
      .count(3)
      .kenjiWithTwoCombos()
      .name("Mei")
      .count(0)
      .name("Rosa")
      .count(1)
      .combo("Spin", spin)
      .bytes();
}

}  // namespace strikepad::testing
