#pragma once
// The catalogue as the main window works on it: the three lists, the game, character and
// combo operations with their uniqueness rules, and the commands of the lists' menus.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/block_replacement.h"
#include "catalogue/change_history.h"
#include "catalogue/pick_list.h"
#include "catalogue/prompts.h"
#include "catalogue/records.h"
#include "catalogue/store_result.h"
#include "combo/combo_block.h"

namespace strikepad {

class Store;

struct CatalogueLists {
  PickList& games;
  PickList& characters;
  PickList& combos;
};

class Catalogue {
 public:
  // The store's error report goes where the store's owner sent it when making the store; the
  // catalogue leaves that alone.
  Catalogue(Store& store, Prompts& prompts, CatalogueLists lists);

  Store& store() { return store_; }
  Prompts& prompts() { return prompts_; }
  CatalogueLists& lists() { return lists_; }

  // Refill a list from the store, select its first entry and cascade downwards.
  void FillGameList();
  void FillCharacterList();
  void FillComboList();

  // The adds and renames show nothing but the store error report: their callers present the
  // outcome (presentRefusal).

  // Games.
  StoreResult StoreNewGame(const std::string& name);
  DeleteOutcome RemoveGame(RecordId gameId);
  StoreResult RenameGame(RecordId gameId, const std::string& newName);
  void OnAddGame();
  void OnDeleteGame();
  void OnRenameGame();

  // Characters: ParentGone when the game was deleted meanwhile.
  StoreResult StoreNewCharacter(const std::string& name, RecordId gameId);
  DeleteOutcome RemoveCharacter(RecordId characterId);
  StoreResult RenameCharacter(RecordId characterId, const std::string& newName);
  void OnAddCharacter();
  void OnDeleteCharacter();
  void OnRenameCharacter();

  // Combos: ParentGone when the character was deleted meanwhile.
  StoreResult StoreNewCombo(const std::string& name, RecordId characterId, const std::uint8_t* block,
                            std::size_t length);
  DeleteOutcome RemoveCombo(RecordId comboId);
  StoreResult RenameCombo(RecordId comboId, const std::string& newName);
  void OnDeleteCombo();
  void OnRenameCombo();

  // A new combo typed as a script (command 113). A script accepted in the editor but not
  // stored (no name given, or the name refused) is kept for the next run of the command.
  void OnNewComboFromScript();
  // The selected combo's script in the editor (command 114); OK stores the new block in the
  // same record through ReplaceComboData.
  void OnEditCombo();

  // The stored bytes of a combo's data field: nullopt when no such record or no result set,
  // an empty vector when the field is empty.
  std::optional<std::vector<std::uint8_t>> readComboData(RecordId comboId);
  // 1 = updated, 0 = no such record, -1 = no result set. The block it replaces goes into the
  // history, as a change of its own or into the open ReplacementBatch.
  int ReplaceComboData(RecordId comboId, const std::uint8_t* block, std::size_t length);

  // Ctrl+Z: asks whether to undo the newest change of the history, naming it, then undoes it
  // and selects what came back (or tells why it cannot, or that there is nothing to undo).
  void OnUndo();

  // Whether deletes and replaced blocks go into the history (NotRecorded only to measure it).
  void setHistory(History history) { history_ = history; }

 private:
  friend class ReplacementBatch;
  // Selects the records an undo brought back, refilling the lists below each.
  void selectRestored(RecordId gameId, RecordId characterId, RecordId comboId);

  Store& store_;
  Prompts& prompts_;
  CatalogueLists lists_;
  // The script of a new combo that was accepted but not stored; kept for this run only.
  std::optional<ComboBlock> scriptDraft_;
  History history_ = History::Recorded;
  BlockBatch* batch_ = nullptr;
};

// While it is open, the blocks the catalogue replaces are one change of the history, undone
// at once: an import that replaces many blocks. Open it inside the transaction that replaces
// them, and finish it before that transaction commits.
class ReplacementBatch {
 public:
  // `subject` names the game that holds the blocks: "Game: Tekken 8" (undo puts them back
  // only while that game holds them all).
  ReplacementBatch(Catalogue& catalogue, std::string subject);
  ~ReplacementBatch() { catalogue_.batch_ = nullptr; }
  ReplacementBatch(const ReplacementBatch&) = delete;
  ReplacementBatch& operator=(const ReplacementBatch&) = delete;

  // Gives the change its summary ("the blocks of 12 combos of Game: Tekken 8") and closes the
  // batch. False after the store error report.
  bool finish();

 private:
  Catalogue& catalogue_;
  std::string subject_;
  BlockBatch batch_;
};

}  // namespace strikepad
