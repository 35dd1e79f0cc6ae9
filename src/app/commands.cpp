#include "app/commands.h"

#include <QMenu>

namespace strikepad {

QMenu* buildCommandMenu(std::span<const MenuItem> items, QWidget* parent) {
  auto* menu = new QMenu(parent);
  for (const MenuItem& item : items) menu->addAction(QString::fromUtf8(item.text))->setData(item.command);
  return menu;
}

}  // namespace strikepad
