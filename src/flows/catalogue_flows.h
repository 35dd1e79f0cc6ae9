#pragma once
// The catalogue's commands as the main window runs them: the three lists, the questions and
// notices of the game, character and combo commands, run on the catalogue operations.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "combo/combo_block.h"
#include "flows/pick_list.h"
#include "flows/prompts.h"
#include "flows/store_result.h"
#include "operations/block_replacement.h"
#include "operations/catalogue_file.h"
#include "operations/lookup.h"

namespace strikepad {

class Store;

struct CatalogueLists {
  PickList& games;
  PickList& characters;
  PickList& combos;
};

class Catalogue {
 public:
  Catalogue(CatalogueFile& file, Prompts& prompts, CatalogueLists lists);

  CatalogueFile& file() { return file_; }
  Store& store() { return file_.store(); }
  Prompts& prompts() { return prompts_; }
  CatalogueLists& lists() { return lists_; }

  // Shows the store error report a command left behind without telling it (a read that
  // failed), as a warning; nothing when there is none.
  void warnOfStoreReport();

  // Refill a list from the store, select its first entry and cascade downwards.
  void FillGameList();
  void FillCharacterList();
  void FillComboList();

  void OnAddGame();
  void OnDeleteGame();
  void OnRenameGame();

  void OnAddCharacter();
  void OnDeleteCharacter();
  void OnRenameCharacter();

  void OnDeleteCombo();
  void OnRenameCombo();

  // A new combo typed as a script (command 113). A script accepted in the editor but not
  // stored (no name given, or the name refused) is kept for the next run of the command.
  void OnNewComboFromScript();
  // The selected combo's script in the editor (command 114); OK stores the new block in the
  // same record.
  void OnEditCombo();

  // Ctrl+Z: asks whether to undo the newest change of the history, naming it, then undoes it
  // and selects what came back (or tells why it cannot, or that there is nothing to undo).
  void OnUndo();

  // The window's import and capture add through these, and show the store error report of a
  // failure as a warning: ParentGone when the game (character) was deleted meanwhile.
  StoreResult StoreNewGame(const std::string& name);
  StoreResult StoreNewCombo(const std::string& name, RecordId characterId, const std::uint8_t* block,
                            std::size_t length);
  // 1 = updated, 0 = no such record, -1 = the store failed (warned of). The block it replaces
  // goes into the history.
  int ReplaceComboData(RecordId comboId, const std::uint8_t* block, std::size_t length);

  // Whether deletes and replaced blocks go into the history (NotRecorded only to measure it).
  void setHistory(History history) { history_ = history; }

  // Selects the record at `path` in the lists (what an undo brought back, what find chose),
  // refilling the lists below each level; stops at a level that no longer holds it.
  void selectRecord(const RecordPath& path);

 private:
  // Tells what the operation came to when it did nothing; true when it was done.
  bool told(const Result& result, const char* parentGone);

  CatalogueFile& file_;
  Prompts& prompts_;
  CatalogueLists lists_;
  // The script of a new combo that was accepted but not stored; kept for this run only.
  std::optional<ComboBlock> scriptDraft_;
  History history_ = History::Recorded;
};

}  // namespace strikepad
