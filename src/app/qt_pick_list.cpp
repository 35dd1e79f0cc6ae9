#include "app/qt_pick_list.h"

#include <QSignalBlocker>

#include "app/qt_text.h"

namespace strikepad {

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

bool inRange(int index, int count) { return index >= 0 && index < count; }

}  // namespace

QWidget& QtPickList::widget() const {
  return *std::visit([](auto* w) -> QWidget* { return w; }, widget_);
}

int QtPickList::count() const {
  return std::visit([](auto* w) { return w->count(); }, widget_);
}

std::string QtPickList::text(int index) const {
  if (!inRange(index, count())) return {};
  return toStdString(std::visit(Overloaded{[&](QComboBox* box) { return box->itemText(index); },
                                           [&](QListWidget* list) { return list->item(index)->text(); }},
                                widget_));
}

RecordId QtPickList::id(int index) const {
  if (!inRange(index, count())) return -1;
  const QVariant data = std::visit(Overloaded{[&](QComboBox* box) { return box->itemData(index); },
                                              [&](QListWidget* list) { return list->item(index)->data(Qt::UserRole); }},
                                   widget_);
  return data.value<RecordId>();
}

int QtPickList::selectedIndex() const {
  return std::visit(Overloaded{[](QComboBox* box) { return box->currentIndex(); },
                               [](QListWidget* list) {
                                 const QList<QListWidgetItem*> selected = list->selectedItems();
                                 return selected.isEmpty() ? -1 : list->row(selected.first());
                               }},
                    widget_);
}

void QtPickList::select(int index) {
  const QSignalBlocker quiet(widget());
  if (!inRange(index, count())) index = -1;
  std::visit(Overloaded{[&](QComboBox* box) { box->setCurrentIndex(index); },
                        [&](QListWidget* list) {
                          list->clearSelection();
                          list->setCurrentRow(index);
                          if (index >= 0) list->scrollToItem(list->item(index));
                        }},
             widget_);
}

int QtPickList::append(const std::string& text, RecordId id) {
  const QSignalBlocker quiet(widget());
  std::visit(Overloaded{[&](QComboBox* box) {
                          // A combo box selects the first entry added to it; a list does not.
                          const int selected = box->currentIndex();
                          box->addItem(toQString(text), id);
                          box->setCurrentIndex(selected);
                        },
                        [&](QListWidget* list) {
                          auto* item = new QListWidgetItem(toQString(text));
                          item->setData(Qt::UserRole, id);
                          list->addItem(item);  // the list takes ownership
                        }},
             widget_);
  return count() - 1;
}

void QtPickList::remove(int index) {
  if (!inRange(index, count())) return;
  const QSignalBlocker quiet(widget());
  std::visit(Overloaded{[&](QComboBox* box) {
                          // Removing the selected entry leaves no selection, as in the lists,
                          // rather than the neighbour a combo box would pick.
                          const int selected = box->currentIndex();
                          box->removeItem(index);
                          if (selected == index) box->setCurrentIndex(-1);
                        },
                        [&](QListWidget* list) {
                          // The list would move the selection to the next entry.
                          const bool wasSelected = list->item(index)->isSelected();
                          delete list->takeItem(index);
                          if (wasSelected) list->clearSelection();
                        }},
             widget_);
}

void QtPickList::clear() {
  const QSignalBlocker quiet(widget());
  std::visit([](auto* w) { w->clear(); }, widget_);
}

}  // namespace strikepad
