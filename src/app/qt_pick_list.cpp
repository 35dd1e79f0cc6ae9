#include "app/qt_pick_list.h"

#include <memory>

#include <QSignalBlocker>
#include <QTimer>

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
  return std::visit([](auto* w) { return w->count(); }, widget_) + static_cast<int>(heldTexts_.size());
}

std::string QtPickList::text(int index) const {
  showEntries();
  if (!inRange(index, count())) return {};
  return toStdString(std::visit(Overloaded{[&](QComboBox* box) { return box->itemText(index); },
                                           [&](QListWidget* list) { return list->item(index)->text(); }},
                                widget_));
}

RecordId QtPickList::id(int index) const {
  if (!inRange(index, count())) return -1;
  return std::visit(Overloaded{[&](QComboBox* box) { return box->itemData(index).value<RecordId>(); },
                               [&](QListWidget*) { return listBoxIds_[static_cast<std::size_t>(index)]; }},
                    widget_);
}

int QtPickList::selectedIndex() const {
  showEntries();
  return std::visit(Overloaded{[](QComboBox* box) { return box->currentIndex(); },
                               [](QListWidget* list) {
                                 const QList<QListWidgetItem*> selected = list->selectedItems();
                                 return selected.isEmpty() ? -1 : list->row(selected.first());
                               }},
                    widget_);
}

void QtPickList::select(int index) {
  showEntries();
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
                        [&](QListWidget*) { holdBack(toQString(text), id); }},
             widget_);
  return count() - 1;
}

void QtPickList::holdBack(const QString& text, RecordId id) {
  // The first entry held back also asks the event loop to add them, for the case that no
  // other call comes first.
  if (heldTexts_.empty()) QTimer::singleShot(0, &showLater_, [this] { showEntries(); });
  heldTexts_.append(text);
  listBoxIds_.push_back(id);
}

void QtPickList::showEntries() const {
  if (heldTexts_.empty()) return;
  const QSignalBlocker quiet(widget());
  std::get<QListWidget*>(widget_)->addItems(heldTexts_);  // one notice to the view for all the rows
  heldTexts_.clear();
}

void QtPickList::remove(int index) {
  showEntries();
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
                          const std::unique_ptr<QListWidgetItem> removed(list->takeItem(index));
                          listBoxIds_.erase(listBoxIds_.begin() + index);
                          if (wasSelected) list->clearSelection();
                        }},
             widget_);
}

void QtPickList::clear() {
  heldTexts_.clear();
  listBoxIds_.clear();
  const QSignalBlocker quiet(widget());
  std::visit([](auto* w) { w->clear(); }, widget_);
}

}  // namespace strikepad
