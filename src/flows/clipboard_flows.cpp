#include "flows/clipboard_flows.h"

#include "combo/script_warnings.h"
#include "flows/list_steps.h"
#include "flows/status_reports.h"
#include "flows/window_texts.h"
#include "operations/catalogue_operations.h"

namespace strikepad {

std::optional<ClipboardCombo> OnCopyCombo(Catalogue& catalogue) {
  PickList& combos = catalogue.lists().combos;
  Prompts& prompts = catalogue.prompts();
  if (!combos.hasSelection()) return std::nullopt;
  CopiedCombo copied = copyCombo(catalogue.file(), combos.selectedId());
  if (copied.outcome == Outcome::NotFound) {
    prompts.notice(messages::kComboGone);
    catalogue.FillComboList();
    return std::nullopt;
  }
  if (!copied.done()) {
    presentRefusal(prompts, copied, nullptr);
    return std::nullopt;
  }
  prompts.report(status_reports::copied(combos.selectedText()));
  return std::move(copied.content);
}

void OnPasteCombo(Catalogue& catalogue, const ClipboardCombo& content) {
  PickList& characters = catalogue.lists().characters;
  Prompts& prompts = catalogue.prompts();
  if (characters.count() == 0) return prompts.notice(messages::kCharacterListEmpty);
  if (!characters.hasSelection()) return prompts.notice(messages::kSelectRoleFirst);
  const RecordId characterId = characters.selectedId();
  const PastedCombo pasted = pastedCombo(content);
  if (!pasted.done()) return prompts.notice(messages::pasteRefused(pasted.reason));
  if (!pasted.warnings.empty() && !prompts.ask(storeWithWarningsQuestion(pasted.warnings))) return;
  const std::string name = prompts.askName(messages::kComboNameCaption, messages::kComboNameInitial);
  if (name.empty()) return;
  const AddResult added = addCombo(catalogue.file(), characterId, name, pasted.block);
  presentRefusal(prompts, added, messages::kCharacterGone);
  // The character was deleted meanwhile: show the catalogue as it is now.
  if (added.outcome == Outcome::ParentGone) return catalogue.FillGameList();
  appendOrFind(catalogue.lists().combos, name, added.done() ? std::optional(added.id) : std::nullopt);
  if (added.done()) prompts.report(status_reports::pasted(name));
}

}  // namespace strikepad
