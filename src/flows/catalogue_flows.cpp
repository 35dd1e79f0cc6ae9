#include "flows/catalogue_flows.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "operations/catalogue_operations.h"

namespace strikepad {

namespace {

// Fills the emptied `list` with the rows a read gave: each entry shows the record's name and
// carries its id. A read that failed leaves the list empty rather than short.
template <typename Rows, typename Row>
void fillFrom(PickList& list, Prompts& prompts, const Rows& rows, const std::vector<Row>& records) {
  presentRefusal(prompts, rows, nullptr);
  if (rows.done())
    for (const Row& record : records) list.append(record.name, record.id);
  if (list.count() > 0) list.select(0);
}

}  // namespace

Catalogue::Catalogue(CatalogueFile& file, Prompts& prompts, CatalogueLists lists)
    : file_(file), prompts_(prompts), lists_(lists) {}

void Catalogue::warnOfStoreReport() {
  if (const std::string report = file_.takeReport(); !report.empty()) prompts_.warning(report);
}

bool Catalogue::told(const Result& result, const char* parentGone) {
  presentRefusal(prompts_, result, parentGone);
  return result.done();
}

void Catalogue::FillGameList() {
  lists_.games.clear();
  const GameRows rows = listGames(file_);
  fillFrom(lists_.games, prompts_, rows, rows.games);
  FillCharacterList();
}

void Catalogue::FillCharacterList() {
  lists_.characters.clear();
  lists_.combos.clear();
  if (!lists_.games.hasSelection()) return;
  const CharacterRows rows = listCharacters(file_, lists_.games.selectedId());
  fillFrom(lists_.characters, prompts_, rows, rows.characters);
  FillComboList();
}

void Catalogue::FillComboList() {
  lists_.combos.clear();
  if (!lists_.characters.hasSelection()) return;
  const ComboNameRows rows = listComboNames(file_, lists_.characters.selectedId());
  fillFrom(lists_.combos, prompts_, rows, rows.combos);
}

StoreResult Catalogue::StoreNewGame(const std::string& name) {
  const AddResult added = addGame(file_, name);
  presentRefusal(prompts_, added.outcome == Outcome::Failed ? Result(added) : Result{}, nullptr);
  return storeResultOf(added);
}

StoreResult Catalogue::StoreNewCombo(const std::string& name, RecordId characterId, const std::uint8_t* block,
                                     std::size_t length) {
  const AddResult added = addCombo(file_, characterId, name, std::span(block, length));
  presentRefusal(prompts_, added.outcome == Outcome::Failed ? Result(added) : Result{}, nullptr);
  return storeResultOf(added);
}

int Catalogue::ReplaceComboData(RecordId comboId, const std::uint8_t* block, std::size_t length) {
  const Result replaced = replaceComboData(file_, comboId, std::span(block, length), history_);
  if (replaced.done()) return 1;
  if (replaced.outcome == Outcome::NotFound) return 0;
  prompts_.warning(replaced.reason);
  return -1;
}

}  // namespace strikepad
