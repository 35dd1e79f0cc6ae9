#include "app/message_boxes.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QSpacerItem>

#include "app/caption_width.h"

namespace strikepad {

namespace {

// Names come from the catalogue and from files others hand over: a box shows them as they
// are, never as markup.
void showTextAsIs(QMessageBox& box) { box.setTextFormat(Qt::PlainText); }

// QMessageBox fixes its size from its layout when it shows, so a row of the caption's width
// under its contents widens it; the texts stay as they are.
int runWideEnoughForCaption(QMessageBox& box) {
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(captionWidth(box.windowTitle()), 0), grid->rowCount(), 0, 1, grid->columnCount());
  return box.exec();
}

}  // namespace

void showMessage(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, owner);
  showTextAsIs(box);
  runWideEnoughForCaption(box);
}

bool askYesNo(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? QCoreApplication::applicationName() : caption, text,
                  QMessageBox::Yes | QMessageBox::No, owner);
  showTextAsIs(box);
  // Desktops that put No first (GNOME, XFCE) would also give it the focus, and with it Enter:
  // Yes answers Enter and No answers Escape wherever the buttons stand.
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return runWideEnoughForCaption(box) == QMessageBox::Yes;
}

}  // namespace strikepad
