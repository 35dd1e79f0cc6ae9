#pragma once
// The About box: the icon, the product's name and its version, and an OK button.

#include <QDialog>

namespace strikepad {

// The text of the About entry in the window's menus.
QString aboutEntryText();

class AboutBox final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace strikepad
