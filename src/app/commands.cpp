#include "app/commands.h"

#include <QKeySequence>
#include <QMenu>

namespace strikepad {

namespace {

// The key that runs a command of the focused list without its menu, shown beside its item.
QKeySequence keyOf(Command command) {
  switch (command) {
    case kRenameGame:
    case kRenameCharacter:
    case kRenameCombo: return QKeySequence(Qt::Key_F2);
    case kDeleteGame:
    case kDeleteCharacter:
    case kDeleteCombo: return QKeySequence(Qt::Key_Delete);
    case kCopyCombo: return QKeySequence(QKeySequence::Copy);
    case kPasteCombo: return QKeySequence(QKeySequence::Paste);
    default: return {};
  }
}

}  // namespace

QMenu* buildCommandMenu(std::span<const MenuItem> items, QWidget* parent) {
  auto* menu = new QMenu(parent);
  for (const MenuItem& item : items) {
    QAction* action = menu->addAction(QString::fromUtf8(item.text));
    action->setData(item.command);
    action->setShortcut(keyOf(item.command));
    // The list that holds the menu runs the key (MenuListBox, MenuComboBox): the menu itself
    // never has the focus, so the key is only shown here.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
  }
  return menu;
}

}  // namespace strikepad
