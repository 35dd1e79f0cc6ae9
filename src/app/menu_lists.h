#pragma once
// The game combo box and the two list boxes of the main window. A right-button press opens
// the control's command menu without touching the selection and delivers the chosen command
// before the press returns; a dismissed menu delivers nothing.

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPointer>

namespace strikepad {

// Shows `menu` at the press and returns the chosen command, or 0 when it was dismissed.
int runCommandMenu(QMenu& menu, const QPoint& globalPosition);

class MenuComboBox final : public QComboBox {
  Q_OBJECT

 public:
  explicit MenuComboBox(QWidget* parent = nullptr);
  // The menu belongs to the window, which outlives the control's use of it.
  void setCommandMenu(QMenu* menu) { menu_ = menu; }
  QMenu* commandMenu() const { return menu_; }

 signals:
  void commandChosen(int command);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointer<QMenu> menu_;
};

class MenuListBox final : public QListWidget {
  Q_OBJECT

 public:
  explicit MenuListBox(QWidget* parent = nullptr);
  void setCommandMenu(QMenu* menu) { menu_ = menu; }
  QMenu* commandMenu() const { return menu_; }

 signals:
  void commandChosen(int command);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointer<QMenu> menu_;
};

}  // namespace strikepad
