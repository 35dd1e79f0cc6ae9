#include "app/menu_lists.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

namespace strikepad {

int runCommandMenu(QMenu& menu, const QPoint& globalPosition) {
  const QAction* chosen = menu.exec(globalPosition);
  return chosen ? chosen->data().toInt() : 0;
}

bool CommandMenuHolder::takeMenuPress(QMouseEvent& event, const std::function<void(int)>& deliver) {
  if (event.button() != Qt::RightButton || !menu_) return false;
  if (const int command = runCommandMenu(*menu_, event.globalPosition().toPoint())) deliver(command);
  event.accept();
  return true;
}

namespace {

// Both controls: the menu's own context-menu event would otherwise reach the window, which
// has a menu of its own (the About entry) on its background.
void takeOverContextMenu(QWidget& control) { control.setContextMenuPolicy(Qt::PreventContextMenu); }

}  // namespace

MenuComboBox::MenuComboBox(QWidget* parent) : QComboBox(parent) { takeOverContextMenu(*this); }

void MenuComboBox::mousePressEvent(QMouseEvent* event) {
  if (!takeMenuPress(*event, [this](int command) { emit commandChosen(command); })) QComboBox::mousePressEvent(event);
}

MenuListBox::MenuListBox(QWidget* parent) : QListView(parent) {
  takeOverContextMenu(*this);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row has one line of text, so the view need not measure each of many thousands.
  setUniformItemSizes(true);
}

// A menu press is not passed on: the list's own handling would select the row under the
// pointer, and the commands act on the row selected before.
void MenuListBox::mousePressEvent(QMouseEvent* event) {
  if (!takeMenuPress(*event, [this](int command) { emit commandChosen(command); })) QListView::mousePressEvent(event);
}

void MenuListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  QListView::selectionChanged(selected, deselected);
  emit itemSelectionChanged();
}

}  // namespace strikepad
