#include "app/qt_pick_list.h"

#include <QSignalBlocker>
#include <utility>

namespace strikepad {

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

bool inRange(int index, int count) { return index >= 0 && index < count; }

}  // namespace

QtPickList::QtPickList(QComboBox& comboBox) : control_(&comboBox), model_(new PickListModel(&comboBox)) {
  comboBox.setModel(model_);
}

QtPickList::QtPickList(QListView& listView) : control_(&listView), model_(new PickListModel(&listView)) {
  listView.setModel(model_);
}

QWidget& QtPickList::control() const {
  return *std::visit([](auto* c) -> QWidget* { return c; }, control_);
}

int QtPickList::count() const { return model_->size(); }

std::string QtPickList::text(int index) const {
  return inRange(index, count()) ? model_->entry(index).text : std::string();
}

RecordId QtPickList::id(int index) const { return inRange(index, count()) ? model_->entry(index).id : -1; }

int QtPickList::selectedIndex() const {
  return std::visit(Overloaded{[](QComboBox* box) { return box->currentIndex(); },
                               [](QListView* view) {
                                 const QModelIndexList selected = view->selectionModel()->selectedIndexes();
                                 return selected.isEmpty() ? -1 : selected.first().row();
                               }},
                    control_);
}

void QtPickList::select(int index) {
  showEntries();
  const QSignalBlocker quiet(control());
  if (!inRange(index, count())) index = -1;
  std::visit(Overloaded{[&](QComboBox* box) { box->setCurrentIndex(index); },
                        [&](QListView* view) {
                          const QModelIndex row = model_->index(index);
                          view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
                          // A hidden view lays its rows out when shown; scrolling now would lay
                          // out every row twice.
                          if (row.isValid() && view->isVisible()) view->scrollTo(row);
                        }},
             control_);
}

int QtPickList::append(std::string text, RecordId id) {
  model_->append(std::move(text), id);
  return count() - 1;
}

void QtPickList::showEntries() {
  const QSignalBlocker quiet(control());
  // A combo box selects the first row added to it while empty; a list view does not.
  const int selected = selectedIndex();
  model_->showAppended();
  if (auto* const* box = std::get_if<QComboBox*>(&control_)) (*box)->setCurrentIndex(selected);
}

void QtPickList::remove(int index) {
  if (!inRange(index, count())) return;
  showEntries();
  const QSignalBlocker quiet(control());
  // Removing the selected entry leaves no selection, rather than the neighbour a combo box
  // or a list's current row would move to.
  const bool wasSelected = selectedIndex() == index;
  model_->remove(index);
  if (wasSelected) select(-1);
}

void QtPickList::clear() {
  const QSignalBlocker quiet(control());
  model_->clear();
}

}  // namespace strikepad
