#include "app/find_command.h"

#include "app/find_box.h"
#include "catalogue/catalogue.h"
#include "operations/catalogue_file.h"
#include "operations/find_operations.h"
#include "store/store.h"

namespace strikepad {

namespace {

// More than a list can usefully show; the box asks for more of the name beyond it.
constexpr std::size_t kShownMatches = 500;

bool selectId(PickList& list, RecordId id) {
  for (int index = 0; index < list.count(); ++index) {
    if (list.id(index) == id) {
      list.select(index);
      return true;
    }
  }
  return false;
}

// Selects the record in the lists, refilling each list below the one picked. Stops at a level
// that no longer holds the record (another program deleted it meanwhile).
void selectFoundRecord(Catalogue& catalogue, const RecordPath& path) {
  CatalogueLists& lists = catalogue.lists();
  catalogue.FillGameList();
  if (!selectId(lists.games, path.game)) return;
  catalogue.FillCharacterList();
  if (!path.character || !selectId(lists.characters, path.character)) return;
  catalogue.FillComboList();
  if (path.combo) selectId(lists.combos, path.combo);
}

}  // namespace

void runFindBox(QWidget& window, Catalogue& catalogue) {
  // The box reads through a connection of its own to the window's file: the window's catalogue
  // keeps its store to itself.
  CatalogueFile file(catalogue.store().path());
  const CatalogueFile::Opened opened = file.open();
  FindBox box(
      [&](const std::string& text) {
        if (!opened.done()) return FindResult{opened, {}, false};
        return findRecords(file, text, kShownMatches);
      },
      &window);
  if (box.exec() == QDialog::Accepted && box.chosen()) selectFoundRecord(catalogue, *box.chosen());
}

}  // namespace strikepad
