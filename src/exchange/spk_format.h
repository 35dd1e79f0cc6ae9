#pragma once
// The .SPK exchange file: one game with its characters and their combos. No header: a name
// field, a 32-bit little-endian count, the records; every combo a name field, a 32-bit
// data size and that many bytes of its combo data block.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/tables/catalogue_reads.h"
#include "combo/combo_block.h"
#include "exchange/name_field.h"

namespace strikepad {

inline constexpr std::size_t kCountSize = 4;
inline constexpr std::size_t kRecordHeadSize = kNameFieldSize + kCountSize;
// The largest file import reads: half as large again as the largest game in use (200
// characters of 50 combos, about 4 MB), and small enough that an import of the worst such
// file (only names, no combo data) stays near 40 MB of memory.
inline constexpr std::size_t kMaxSpkFileSize = std::size_t{6} << 20;

// A file holds its characters and combos as the catalogue reads them; the writer cuts combo
// data beyond one combo data block (0 to 360 bytes), which the reader never yields.
using SpkCombo = ComboContent;
using SpkCharacter = CharacterContent;

struct SpkGame {
  std::string name;  // empty: the file holds nothing to import
  std::vector<SpkCharacter> characters;
  // The file's last field is an empty character or combo name, before all its counted
  // records: what comes before it is the content.
  bool endsAtEmptyName = false;
};

// Reads and checks a whole file. nullopt when it is damaged: a field cut short, a negative
// count, a data size outside 0..360, an empty name with bytes after it, or bytes after the
// last record.
std::optional<SpkGame> parseSpk(std::span<const std::uint8_t> file);

// The file of `game`: names cut to fit their fields, combo data beyond one block left out.
std::vector<std::uint8_t> encodeSpk(const SpkGame& game);

}  // namespace strikepad
