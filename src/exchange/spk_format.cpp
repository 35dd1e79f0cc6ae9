#include "exchange/spk_format.h"

#include <algorithm>
#include <string_view>

namespace strikepad {

namespace {

// Walks the file front to back; every read fails once the file has too few bytes left.
class FileCursor {
 public:
  explicit FileCursor(std::span<const std::uint8_t> file) : rest_(file) {}

  std::size_t left() const { return rest_.size(); }

  std::optional<std::string> name() {
    if (rest_.size() < kNameFieldSize) return std::nullopt;
    std::string text = textFromNameField(rest_.data());
    rest_ = rest_.subspan(kNameFieldSize);
    return text;
  }

  std::optional<std::int32_t> number() {
    if (rest_.size() < kCountSize) return std::nullopt;
    const std::uint32_t value = std::uint32_t{rest_[0]} | std::uint32_t{rest_[1]} << 8 |
                                std::uint32_t{rest_[2]} << 16 | std::uint32_t{rest_[3]} << 24;
    rest_ = rest_.subspan(kCountSize);
    return static_cast<std::int32_t>(value);
  }

  std::optional<std::vector<std::uint8_t>> bytes(std::size_t count) {
    if (rest_.size() < count) return std::nullopt;
    std::vector<std::uint8_t> taken(rest_.begin(), rest_.begin() + static_cast<std::ptrdiff_t>(count));
    rest_ = rest_.subspan(count);
    return taken;
  }

  // A record count; nullopt when negative.
  std::optional<std::size_t> count() {
    const auto value = number();
    if (!value || *value < 0) return std::nullopt;
    return static_cast<std::size_t>(*value);
  }

  // Room to reserve for `records` records: a damaged count must not allocate more than the
  // rest of the file can hold.
  std::size_t plausible(std::size_t records) const { return std::min(records, left() / kRecordHeadSize); }

 private:
  std::span<const std::uint8_t> rest_;
};

enum class Step { Done, EmptyName, Damaged };

Step readCombos(FileCursor& cursor, SpkCharacter& character) {
  const auto comboCount = cursor.count();
  if (!comboCount) return Step::Damaged;
  character.combos.reserve(cursor.plausible(*comboCount));
  for (std::size_t i = 0; i < *comboCount; ++i) {
    auto name = cursor.name();
    if (!name) return Step::Damaged;
    if (name->empty()) return Step::EmptyName;
    const auto size = cursor.number();
    if (!size || *size < 0 || static_cast<std::size_t>(*size) > kBlockSize) return Step::Damaged;
    auto data = cursor.bytes(static_cast<std::size_t>(*size));
    if (!data) return Step::Damaged;
    character.combos.push_back({std::move(*name), std::move(*data)});
  }
  return Step::Done;
}

Step readCharacters(FileCursor& cursor, SpkGame& game) {
  const auto characterCount = cursor.count();
  if (!characterCount) return Step::Damaged;
  game.characters.reserve(cursor.plausible(*characterCount));
  for (std::size_t i = 0; i < *characterCount; ++i) {
    auto name = cursor.name();
    if (!name) return Step::Damaged;
    if (name->empty()) return Step::EmptyName;
    SpkCharacter& character = game.characters.emplace_back();
    character.name = std::move(*name);
    if (const Step step = readCombos(cursor, character); step != Step::Done) return step;
  }
  return Step::Done;
}

}  // namespace

std::optional<SpkGame> parseSpk(std::span<const std::uint8_t> file) {
  SpkGame game;
  // An empty file, or one whose game name is empty, holds nothing; it is not damaged.
  if (file.empty() || file[0] == 0) return game;

  FileCursor cursor(file);
  auto name = cursor.name();
  if (!name) return std::nullopt;
  game.name = std::move(*name);
  switch (readCharacters(cursor, game)) {
    case Step::Damaged:
      return std::nullopt;
    case Step::EmptyName:
      // Only the very end of a file may hold an empty name: one with records after it has
      // lost a name to damage, and importing what comes before would drop the rest.
      if (cursor.left() != 0) return std::nullopt;
      game.endsAtEmptyName = true;
      return game;
    case Step::Done:
      break;
  }
  if (cursor.left() != 0) return std::nullopt;
  return game;
}

namespace {

void appendName(std::vector<std::uint8_t>& out, std::string_view name) {
  const NameField field = nameFieldFromText(name);
  out.insert(out.end(), field.begin(), field.end());
}

void appendCount(std::vector<std::uint8_t>& out, std::int32_t count) {
  const auto value = static_cast<std::uint32_t>(count);
  const std::uint8_t bytes[kCountSize] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                          static_cast<std::uint8_t>(value >> 16),
                                          static_cast<std::uint8_t>(value >> 24)};
  out.insert(out.end(), std::begin(bytes), std::end(bytes));
}

// The bytes of a combo's data that its record holds: at most one combo data block.
std::span<const std::uint8_t> writtenData(const SpkCombo& combo) {
  return std::span(combo.data).first(std::min(combo.data.size(), kBlockSize));
}

void appendCombo(std::vector<std::uint8_t>& out, const SpkCombo& combo) {
  const std::span<const std::uint8_t> block = writtenData(combo);
  appendName(out, combo.name);
  appendCount(out, static_cast<std::int32_t>(block.size()));
  out.insert(out.end(), block.begin(), block.end());
}

std::size_t fileSize(const SpkGame& game) {
  std::size_t size = kRecordHeadSize;
  for (const SpkCharacter& character : game.characters) {
    size += kRecordHeadSize;
    for (const SpkCombo& combo : character.combos) size += kRecordHeadSize + writtenData(combo).size();
  }
  return size;
}

}  // namespace

std::vector<std::uint8_t> encodeSpk(const SpkGame& game) {
  std::vector<std::uint8_t> out;
  out.reserve(fileSize(game));
  appendName(out, game.name);
  appendCount(out, static_cast<std::int32_t>(game.characters.size()));
  for (const SpkCharacter& character : game.characters) {
    appendName(out, character.name);
    appendCount(out, static_cast<std::int32_t>(character.combos.size()));
    for (const SpkCombo& combo : character.combos) appendCombo(out, combo);
  }
  return out;
}

}  // namespace strikepad
