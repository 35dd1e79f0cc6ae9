#pragma once
// The game combo box and the two list boxes of the main window. A right-button press opens
// the control's command menu without touching the selection and delivers the chosen command
// before the press returns; a dismissed menu delivers nothing.

#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <functional>

namespace strikepad {

// Shows `menu` at the press and returns the chosen command, or 0 when it was dismissed.
int runCommandMenu(QMenu& menu, const QPoint& globalPosition);

// The command menu both controls hold, and their handling of a right-button press.
class CommandMenuHolder {
 public:
  // The menu belongs to the window, which outlives the control's use of it.
  void setCommandMenu(QMenu* menu) { menu_ = menu; }
  QMenu* commandMenu() const { return menu_; }

 protected:
  ~CommandMenuHolder() = default;
  // A right-button press with a menu set runs the menu, hands `deliver` the chosen command
  // and is accepted; false for any other press, which is the control's own to handle.
  bool takeMenuPress(QMouseEvent& event, const std::function<void(int)>& deliver);

 private:
  QPointer<QMenu> menu_;
};

class MenuComboBox final : public QComboBox, public CommandMenuHolder {
  Q_OBJECT

 public:
  explicit MenuComboBox(QWidget* parent = nullptr);

 signals:
  void commandChosen(int command);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
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
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
};

}  // namespace strikepad
