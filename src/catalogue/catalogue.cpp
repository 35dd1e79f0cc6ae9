#include "catalogue/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

#include "store/store.h"

namespace strikepad {

namespace {

// Fills the emptied `list` with the records of `table` that pass `filter`: each entry shows the
// record's name and carries its id (the combos' data stays in the file). A read that fails
// half-way leaves the list empty rather than short.
void fillFrom(PickList& list, Store& store, std::string_view table, std::string_view filter = {},
              const std::vector<FieldValue>& params = {}) {
  const auto append = [&list](std::int64_t id, std::string_view name) {
    list.append(std::string(name), static_cast<RecordId>(id));
  };
  if (!store.forEachName(table, filter, params, append)) list.clear();
  if (list.count() > 0) list.select(0);
}

}  // namespace

Catalogue::Catalogue(Store& store, Prompts& prompts, CatalogueLists lists)
    : store_(store), prompts_(prompts), lists_(lists) {}

void Catalogue::FillGameList() {
  lists_.games.clear();
  fillFrom(lists_.games, store_, "game");
  FillCharacterList();
}

void Catalogue::FillCharacterList() {
  lists_.characters.clear();
  lists_.combos.clear();
  if (!lists_.games.hasSelection()) return;
  fillFrom(lists_.characters, store_, "role", "gameid=?", {std::int64_t{lists_.games.selectedId()}});
  FillComboList();
}

void Catalogue::FillComboList() {
  lists_.combos.clear();
  if (!lists_.characters.hasSelection()) return;
  fillFrom(lists_.combos, store_, "moves", "roleid=?", {std::int64_t{lists_.characters.selectedId()}});
}

}  // namespace strikepad
