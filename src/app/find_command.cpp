#include "app/find_command.h"

#include "app/find_box.h"
#include "flows/catalogue_flows.h"
#include "operations/find_operations.h"

namespace strikepad {

namespace {

// More than a list can usefully show; the box asks for more of the name beyond it.
constexpr std::size_t kShownMatches = 500;

}  // namespace

void runFindBox(QWidget& window, Catalogue& catalogue) {
  FindBox box([&](const std::string& text) { return findRecords(catalogue.file(), text, kShownMatches); }, &window);
  if (box.exec() == QDialog::Accepted && box.chosen()) catalogue.selectRecord(*box.chosen());
}

}  // namespace strikepad
