#include "catalogue/catalogue.h"

#include "store/store.h"

namespace strikepad {

namespace {

// What an entry shows and carries; the combos' data stays in the file.
constexpr const char* kListFields = "id, name";

// Each entry shows the record's name and carries its id.
void fillFrom(PickList& list, std::optional<Recordset> records) {
  if (!records) return;
  for (; !records->atEnd(); records->moveNext()) list.append(records->text("name"), records->integer("id"));
  if (list.count() > 0) list.select(0);
}

}  // namespace

Catalogue::Catalogue(Store& store, Prompts& prompts, CatalogueLists lists)
    : store_(store), prompts_(prompts), lists_(lists) {}

void Catalogue::FillGameList() {
  lists_.games.clear();
  fillFrom(lists_.games, store_.OpenRecordset("game", {}, {}, kListFields));
  FillCharacterList();
}

void Catalogue::FillCharacterList() {
  lists_.characters.clear();
  lists_.combos.clear();
  if (!lists_.games.hasSelection()) return;
  fillFrom(lists_.characters, store_.OpenRecordset("role", "gameid=?", {std::int64_t{lists_.games.selectedId()}}, kListFields));
  FillComboList();
}

void Catalogue::FillComboList() {
  lists_.combos.clear();
  if (!lists_.characters.hasSelection()) return;
  fillFrom(lists_.combos, store_.OpenRecordset("moves", "roleid=?", {std::int64_t{lists_.characters.selectedId()}},
                                            kListFields));
}

}  // namespace strikepad
