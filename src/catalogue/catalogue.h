#pragma once
// The catalogue as the main window works on it: the three lists, the game, character and
// combo operations with their uniqueness rules, and the commands of the lists' menus.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/pick_list.h"
#include "catalogue/prompts.h"
#include "catalogue/records.h"
#include "combo/combo_block.h"

namespace strikepad {

class Store;

struct CatalogueLists {
  PickList& games;
  PickList& characters;
  PickList& combos;
};

inline constexpr const char* kDuplicateName = "This key name is always exist.";

class Catalogue {
 public:
  Catalogue(Store& store, Prompts& prompts, CatalogueLists lists);

  Store& store() { return store_; }
  Prompts& prompts() { return prompts_; }
  CatalogueLists& lists() { return lists_; }

  // While true the store-new operations report a refused duplicate; the import clears it.
  bool warnOnDuplicate = true;

  // Refill a list from the store, select its first entry and cascade downwards.
  void FillGameList();
  void FillCharacterList();
  void FillComboList();

  // Games. StoreNewGame: new id, 0 = reuse the existing game (asked while warnOnDuplicate is
  // false), -1 = nothing stored.
  RecordId StoreNewGame(const std::string& name);
  DeleteOutcome RemoveGame(RecordId gameId);
  int RenameGame(RecordId gameId, const std::string& newName);
  void OnAddGame();
  void OnDeleteGame();
  void OnRenameGame();

  // Characters. StoreNewCharacter: new id, -1, or kParentGone when the game was deleted
  // meanwhile (told to the user). Renaming a character whose game is gone is told too.
  RecordId StoreNewCharacter(const std::string& name, RecordId gameId);
  DeleteOutcome RemoveCharacter(RecordId characterId);
  int RenameCharacter(RecordId characterId, const std::string& newName);
  void OnAddCharacter();
  void OnDeleteCharacter();
  void OnRenameCharacter();

  // Combos. StoreNewCombo: new id, -1, or kParentGone when the character was deleted
  // meanwhile (told to the user), as for characters.
  RecordId StoreNewCombo(const std::string& name, RecordId characterId, const std::uint8_t* block,
                         std::size_t length);
  DeleteOutcome RemoveCombo(RecordId comboId);
  int RenameCombo(RecordId comboId, const std::string& newName);
  void OnDeleteCombo();
  void OnRenameCombo();

  // A new combo typed as a script (command 113).
  void OnNewComboFromScript();

  // The stored bytes of a combo's data field: nullopt when no such record or no result set,
  // an empty vector when the field is empty.
  std::optional<std::vector<std::uint8_t>> ReadComboData(RecordId comboId);
  // 1 = updated, 0 = no such record, -1 = no result set.
  int ReplaceComboData(RecordId comboId, const std::uint8_t* block, std::size_t length);

 private:
  // Shows what a refused rename or add has to say (`parentGone`: nullptr for games, which have
  // no parent). renamed: 1 when renamed, else 0.
  int renamed(RenameOutcome outcome, const char* parentGone);
  RecordId storedOrTold(RecordId id, const char* parentGone);

  Store& store_;
  Prompts& prompts_;
  CatalogueLists lists_;
};

}  // namespace strikepad
