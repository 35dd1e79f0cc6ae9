#pragma once
// The game combo box and the two list boxes of the main window. A right-button press opens
// the control's command menu without touching the selection and delivers the chosen command
// before the press returns; a dismissed menu delivers nothing. From the keyboard, the Menu key
// and Shift+F10 open the same menu, and the key shown beside an item (F2, Delete) delivers
// that item's command at once; like the press, they act on the selected entry.

#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <functional>

namespace strikepad {

// The Menu key, or Shift+F10.
bool opensMenu(const QKeyEvent& event);

// Shows `menu` at the press and returns the chosen command, or 0 when it was dismissed.
int runCommandMenu(QMenu& menu, const QPoint& globalPosition);

// The command menu both controls hold, and their handling of a right-button press and of the
// menu's keys.
class CommandMenuHolder {
 public:
  // The menu belongs to the window, which outlives the control's use of it.
  void setCommandMenu(QMenu* menu) { menu_ = menu; }
  QMenu* commandMenu() const { return menu_; }
  // True for a key that opens the menu or delivers one of its commands.
  bool takesKey(const QKeyEvent& event) const;

 protected:
  ~CommandMenuHolder() = default;
  // A right-button press with a menu set runs the menu, hands `deliver` the chosen command
  // and is accepted; false for any other press, which is the control's own to handle.
  bool takeMenuPress(QMouseEvent& event, const std::function<void(int)>& deliver);
  // The same for a key press: a menu key runs the menu at `menuPosition` (global), a command's
  // key hands `deliver` that command; false for any other key.
  bool takeMenuKey(QKeyEvent& event, const QPoint& menuPosition, const std::function<void(int)>& deliver);

 private:
  // The command whose item shows this key, or 0.
  int commandForKey(const QKeyEvent& event) const;

  QPointer<QMenu> menu_;
};

// True when `control` is one of these controls and `event` a key press it takes.
bool isCommandKey(const QObject& control, const QEvent& event);

class MenuComboBox final : public QComboBox, public CommandMenuHolder {
  Q_OBJECT

 public:
  explicit MenuComboBox(QWidget* parent = nullptr);

 signals:
  void commandChosen(int command);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A ring inside the border while the box has the keyboard focus.
  void paintEvent(QPaintEvent* event) override;
};

class MenuListBox final : public QListView, public CommandMenuHolder {
  Q_OBJECT

 public:
  explicit MenuListBox(QWidget* parent = nullptr);

 signals:
  void commandChosen(int command);
  // The selection changed; not emitted while the list's signals are blocked, unlike the
  // selection model's signals, which the view itself needs to paint the selection.
  void itemSelectionChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A ring inside the border while the list has the keyboard focus.
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
};

}  // namespace strikepad
