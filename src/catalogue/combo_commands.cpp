// Combos (moves records): unique by name within their character, each with its block.

#include <span>

#include "catalogue/block_replacement.h"
#include "catalogue/catalogue.h"
#include "catalogue/list_steps.h"
#include "catalogue/messages.h"
#include "catalogue/records.h"
#include "store/store.h"

namespace strikepad {

StoreResult Catalogue::StoreNewCombo(const std::string& name, RecordId characterId, const std::uint8_t* block,
                                     std::size_t length) {
  return insertResult(insertUnlessTaken(store_, kComboLevel, characterId, name, std::span(block, length)));
}

DeleteOutcome Catalogue::RemoveCombo(RecordId comboId) { return deleteCombo(store_, comboId, history_); }

StoreResult Catalogue::RenameCombo(RecordId comboId, const std::string& newName) {
  return renameResult(renameUnlessTaken(store_, kComboLevel, comboId, newName), comboId);
}

void Catalogue::OnDeleteCombo() {
  PickList& combos = lists_.combos;
  if (!combos.hasSelection()) return;
  if (!prompts_.ask(messages::kDeleteComboQuestion + combos.selectedText(), messages::kDeleteComboCaption)) return;
  RemoveCombo(combos.selectedId());
  FillComboList();
}

void Catalogue::OnRenameCombo() {
  PickList& combos = lists_.combos;
  if (!combos.hasSelection()) return;
  const std::string name = prompts_.askName(messages::kComboNameCaption, combos.selectedText());
  if (name.empty()) return;
  const StoreResult renamed = RenameCombo(combos.selectedId(), name);
  presentRefusal(prompts_, renamed, messages::kCharacterGone);
  if (!renamed.stored()) return;
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
  const StoreResult added = StoreNewCombo(name, characterId, block.data(), block.size());
  presentRefusal(prompts_, added, messages::kCharacterGone);
  if (added.stored()) scriptDraft_.reset();
  // The character was deleted meanwhile: show the catalogue as it is now.
  if (added.kind == StoreResult::Kind::ParentGone) return FillGameList();
  appendOrFind(lists_.combos, name, added);
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
  {  // no result set stays open while the editor runs
    auto combo = store_.OpenRecordset("moves", "id=?", {std::int64_t{comboId}});
    if (!combo) return;  // after the store error report
    if (combo->recordCount() == 0) return tellGone();
    const std::vector<std::uint8_t> stored = combo->getChunk("data", combo->actualSize("data"));
    block = blockFromBytes(stored.data(), stored.size());
  }
  const ComboBlock opened = block;
  // OK on an unchanged script leaves the record as it is, even a stored value that is not 360 bytes long.
  if (!prompts_.editScript(block) || block == opened) return;
  if (ReplaceComboData(comboId, block.data(), block.size()) == 0) tellGone();
}

std::optional<std::vector<std::uint8_t>> Catalogue::readComboData(RecordId comboId) {
  return readStoredBlock(store_, comboId).bytes;
}

int Catalogue::ReplaceComboData(RecordId comboId, const std::uint8_t* block, std::size_t length) {
  switch (replaceBlock(store_, comboId, std::span(block, length), history_, batch_)) {
    case ReplaceOutcome::Replaced: return 1;
    case ReplaceOutcome::NothingThere: return 0;
    case ReplaceOutcome::Failed: break;
  }
  return -1;
}

}  // namespace strikepad
