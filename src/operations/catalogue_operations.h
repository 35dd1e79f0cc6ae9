#pragma once
// The catalogue's records by id: add, rename and delete at each level, a combo's block read and
// replaced, and the reads that show the catalogue. Each runs in one transaction (or inside the
// caller's WriteScope) and returns what happened; a store failure is Failed with the store
// error report as its reason.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "combo/combo_block.h"
#include "operations/block_replacement.h"
#include "operations/catalogue_file.h"
#include "operations/outcome.h"
#include "store/tables/catalogue_reads.h"

namespace strikepad {

// Done with the new record's id; NameTaken; ParentGone when the parent was deleted meanwhile.
struct AddResult : Result {
  RecordId id = 0;
};
AddResult addGame(CatalogueFile& file, const std::string& name);
AddResult addCharacter(CatalogueFile& file, RecordId gameId, const std::string& name);
// A combo's block as the editor or the adapter gave it (a ComboBlock), or bytes of any length kept as they are.
AddResult addCombo(CatalogueFile& file, RecordId characterId, const std::string& name,
                   std::span<const std::uint8_t> block);

// NameTaken (another record of the parent has the name, or it is exactly the present one);
// ParentGone; NotFound when the record is gone. A change of letter case alone goes through.
Result renameGame(CatalogueFile& file, RecordId gameId, const std::string& newName);
Result renameCharacter(CatalogueFile& file, RecordId characterId, const std::string& newName);
Result renameCombo(CatalogueFile& file, RecordId comboId, const std::string& newName);

// The record with everything under it, recorded in the history; NotFound when it was gone.
Result deleteGame(CatalogueFile& file, RecordId gameId, History history = History::Recorded);
Result deleteCharacter(CatalogueFile& file, RecordId characterId, History history = History::Recorded);
Result deleteCombo(CatalogueFile& file, RecordId comboId, History history = History::Recorded);

// The combo's stored bytes (empty when its field is); NotFound when there is no such combo.
struct BlockResult : Result {
  std::vector<std::uint8_t> bytes;
};
BlockResult readComboData(CatalogueFile& file, RecordId comboId);
// Gives the combo `block` (bytes as the editor keeps them, of any length); the block it held
// goes into the history. NotFound when it is gone.
Result replaceComboData(CatalogueFile& file, RecordId comboId, std::span<const std::uint8_t> block,
                        History history = History::Recorded);

// The catalogue level by level, for showing it: names and ids, and the combos' sizes without
// their bytes.
struct GameRows : Result {
  std::vector<NamedRecord> games;
};
struct CharacterRows : Result {
  std::vector<NamedRecord> characters;
};
struct ComboRows : Result {
  std::vector<ComboSize> combos;
};
struct ComboNameRows : Result {
  std::vector<NamedRecord> combos;
};
GameRows listGames(CatalogueFile& file);
CharacterRows listCharacters(CatalogueFile& file, RecordId gameId);
ComboRows listCombos(CatalogueFile& file, RecordId characterId);
// The combos' names alone, as the window's list shows them.
ComboNameRows listComboNames(CatalogueFile& file, RecordId characterId);

}  // namespace strikepad
