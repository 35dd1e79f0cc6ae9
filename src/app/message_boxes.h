#pragma once
// The program's message boxes: owned by the window, captioned with the application's name
// (the executable's name) unless a caption is given. Their text shows as it is, never as markup.

#include <QMessageBox>
#include <QString>

namespace strikepad {

// OK only.
void showMessage(QWidget* owner, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon);
// Yes and No, no icon; true for Yes, which Enter answers; Escape answers No.
bool askYesNo(QWidget* owner, const QString& text, const QString& caption = {});

}  // namespace strikepad
