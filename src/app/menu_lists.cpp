#include "app/menu_lists.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "app/focus_ring.h"

namespace strikepad {

bool opensMenu(const QKeyEvent& event) {
  return event.key() == Qt::Key_Menu || event.keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
}

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

bool CommandMenuHolder::takeMenuKey(QKeyEvent& event, const QPoint& menuPosition,
                                    const std::function<void(int)>& deliver) {
  if (!takesKey(event)) return false;
  const int command = opensMenu(event) ? runCommandMenu(*menu_, menuPosition) : commandForKey(event);
  if (command) deliver(command);
  event.accept();
  return true;
}

bool CommandMenuHolder::takesKey(const QKeyEvent& event) const {
  return menu_ && (opensMenu(event) || commandForKey(event) != 0);
}

int CommandMenuHolder::commandForKey(const QKeyEvent& event) const {
  const QKeySequence key(event.keyCombination());
  for (const QAction* action : menu_->actions())
    if (!action->shortcut().isEmpty() && action->shortcut() == key) return action->data().toInt();
  return 0;
}

bool isCommandKey(const QObject& control, const QEvent& event) {
  const auto* holder = dynamic_cast<const CommandMenuHolder*>(&control);
  return holder && event.type() == QEvent::KeyPress && holder->takesKey(static_cast<const QKeyEvent&>(event));
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

void MenuComboBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  if (hasFocus()) paintFocusRing(*this, rect(), palette().color(QPalette::Highlight));
}

void MenuComboBox::keyPressEvent(QKeyEvent* event) {
  const QPoint below = mapToGlobal(rect().bottomLeft());
  if (!takeMenuKey(*event, below, [this](int command) { emit commandChosen(command); })) QComboBox::keyPressEvent(event);
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

void MenuListBox::keyPressEvent(QKeyEvent* event) {
  // The menu opens on the selected entry when it is in sight, else at the list's corner.
  const QModelIndexList selected = selectedIndexes();
  const QRect entry = selected.isEmpty() ? QRect() : visualRect(selected.first()) & viewport()->rect();
  const QPoint at = viewport()->mapToGlobal(entry.isEmpty() ? QPoint(0, 0) : entry.center());
  if (!takeMenuKey(*event, at, [this](int command) { emit commandChosen(command); })) QListView::keyPressEvent(event);
}

void MenuListBox::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  if (hasFocus()) paintFocusRing(*viewport(), viewport()->rect(), palette().color(QPalette::Highlight));
}

// The ring is drawn over the whole edge: every change of focus, and every scroll (which moves
// the painted pixels), repaints the whole view.
void MenuListBox::focusInEvent(QFocusEvent* event) {
  QListView::focusInEvent(event);
  viewport()->update();
}

void MenuListBox::focusOutEvent(QFocusEvent* event) {
  QListView::focusOutEvent(event);
  viewport()->update();
}

void MenuListBox::scrollContentsBy(int dx, int dy) {
  QListView::scrollContentsBy(dx, dy);
  if (hasFocus()) viewport()->update();
}

void MenuListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  QListView::selectionChanged(selected, deselected);
  emit itemSelectionChanged();
}

}  // namespace strikepad
