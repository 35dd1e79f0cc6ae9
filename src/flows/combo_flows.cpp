// Combos (moves records): unique by name within their character, each with its block.

#include "flows/catalogue_flows.h"
#include "flows/list_steps.h"
#include "flows/window_texts.h"
#include "operations/catalogue_operations.h"

namespace strikepad {

void Catalogue::OnDeleteCombo() {
  PickList& combos = lists_.combos;
  if (!combos.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteComboQuestion + combos.selectedText(), messages::kDeleteComboCaption)) return;
  told(deleteCombo(file_, combos.selectedId(), history_), nullptr);
  FillComboList();
}

void Catalogue::OnRenameCombo() {
  PickList& combos = lists_.combos;
  if (!combos.hasSelection()) return;
  const std::string name = prompts_.askName(messages::kComboNameCaption, combos.selectedText());
  if (name.empty()) return;
  if (!told(renameCombo(file_, combos.selectedId(), name), messages::kCharacterGone)) return;
  FillComboList();
  selectByName(combos, name);
}

void Catalogue::OnNewComboFromScript() {
  PickList& characters = lists_.characters;
  if (characters.count() == 0) {
    prompts_.notice(messages::kCharacterListEmpty);
    return;
  }
  if (!characters.hasSelection()) {
    prompts_.notice(messages::kSelectRoleFirst);
    return;
  }
  const RecordId characterId = characters.selectedId();
  ComboBlock block = scriptDraft_.value_or(emptyComboBlock());
  if (!prompts_.editScript(block)) return;
  // OK on a script without steps throws the draft away along with it.
  scriptDraft_.reset();
  if (isEmptyCombo(block)) return;
  // Until it is stored, the script is kept for the next new combo.
  scriptDraft_ = block;
  const std::string name = prompts_.askName(messages::kComboNameCaption, messages::kComboNameInitial);
  if (name.empty()) return;
  const AddResult added = addCombo(file_, characterId, name, block);
  told(added, messages::kCharacterGone);
  if (added.done()) scriptDraft_.reset();
  // The character was deleted meanwhile: show the catalogue as it is now.
  if (added.outcome == Outcome::ParentGone) return FillGameList();
  appendOrFind(lists_.combos, name, added.done() ? std::optional(added.id) : std::nullopt);
}

void Catalogue::OnEditCombo() {
  PickList& combos = lists_.combos;
  if (!combos.hasSelection()) return;
  const RecordId comboId = combos.selectedId();
  const auto tellGone = [this] {
    prompts_.notice(messages::kComboGone);
    FillComboList();
  };
  ComboBlock block{};
  {  // nothing of the store stays open while the editor runs
    const BlockResult stored = strikepad::readComboData(file_, comboId);
    if (stored.outcome == Outcome::NotFound) return tellGone();
    if (!told(stored, nullptr)) return;
    block = blockFromBytes(stored.bytes.data(), stored.bytes.size());
  }
  const ComboBlock opened = block;
  // OK on an unchanged script leaves the record as it is, even a stored value that is not 360 bytes long.
  if (!prompts_.editScript(block) || block == opened) return;
  const Result replaced = replaceComboData(file_, comboId, block, history_);
  if (replaced.outcome == Outcome::NotFound) return tellGone();
  told(replaced, nullptr);
}

}  // namespace strikepad
