#include "app/message_boxes.h"

#include <QCoreApplication>

namespace strikepad {

void showMessage(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, owner);
  box.exec();
}

bool askYesNo(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? QCoreApplication::applicationName() : caption, text,
                  QMessageBox::Yes | QMessageBox::No, owner);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace strikepad
