// Writes the seed exchange files of fuzz/corpus/spk, laid out byte by byte rather than by the
// writer under test. Usage: make_spk_seeds FOLDER
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class SpkFile {
 public:
  SpkFile& name(std::string_view text) {
    Bytes field(50, 0);
    for (std::size_t i = 0; i < text.size() && i < field.size(); ++i) field[i] = static_cast<std::uint8_t>(text[i]);
    return raw(field);
  }
  SpkFile& count(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return raw({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
                static_cast<std::uint8_t>(v >> 24)});
  }
  SpkFile& combo(std::string_view text, const Bytes& data) {
    return name(text).count(static_cast<std::int32_t>(data.size())).raw(data);
  }
  SpkFile& raw(const Bytes& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

// A 360-byte block holding the given 8-byte steps, then the end marker, then zero bytes, as
// the script parser makes it.
Bytes block(const std::vector<Bytes>& steps) {
  Bytes out;
  for (const Bytes& step : steps) out.insert(out.end(), step.begin(), step.end());
  if (steps.size() < 45) out.insert(out.end(), 8, 0xFF);
  out.resize(360, 0);
  return out;
}

// "100 down rx -127 square cross"
const Bytes kDownSquareCross = {0x40, 0xC0, 0x80, 0x80, 0x01, 0x80, 0x64, 0x00};
// "50 up lx 127 ly -127"
const Bytes kUpStick = {0x10, 0x00, 0xFF, 0x01, 0x80, 0x80, 0x32, 0x00};
// "65535 start select l1 r2"
const Bytes kStartSelect = {0x09, 0x06, 0x80, 0x80, 0x80, 0x80, 0xFF, 0xFF};

bool write(const std::filesystem::path& path, const SpkFile& file) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.bytes().data()), static_cast<std::streamsize>(file.bytes().size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_spk_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const Bytes twoSteps = [] {
    Bytes data = kDownSquareCross;
    data.insert(data.end(), kUpStick.begin(), kUpStick.end());
    return data;
  }();

  const struct {
    const char* file;
    SpkFile content;
  } seeds[] = {
      {"empty_game.spk", SpkFile().name("Empty").count(0)},
      {"one_character_two_combos.spk", SpkFile()
                                           .name("Velocade Fighters")
                                           .count(1)
                                           .name("Ryo")
                                           .count(2)
                                           .combo("Dragon Rush", block({kDownSquareCross, kUpStick}))
                                           .combo("Full Stop", block({kStartSelect}))},
      {"short_data.spk", SpkFile().name("Short").count(1).name("Mai").count(2).combo("Two steps", twoSteps).combo(
                             "Nothing", {})},
      {"character_without_combos.spk",
       SpkFile().name("Roster").count(2).name("Idle").count(0).name("Busy").count(1).combo("Once", block({kUpStick}))},
      {"ends_at_empty_name.spk",
       SpkFile().name("Cut").count(3).name("First").count(1).combo("Kept", block({kUpStick})).name("").count(0)},
      {"latin1_and_utf8_names.spk", SpkFile()
                                        .name("Caf\xE9 Fighters")
                                        .count(1)
                                        .name("J\xC3\xBCrgen")
                                        .count(1)
                                        .combo("A name of forty-nine characters, the longest one.", block({}))},
  };
  for (const auto& seed : seeds) {
    if (!write(folder / seed.file, seed.content)) {
      std::fprintf(stderr, "cannot write %s\n", (folder / seed.file).c_str());
      return 1;
    }
  }
  return 0;
}
