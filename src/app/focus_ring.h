#pragma once
// The sign of the keyboard focus on the main window's controls: a ring in the highlight colour
// along the inside of the control's edge, drawn however the focus came. The platform styles do
// not all draw one on lists, and Fusion draws none on push and radio buttons, so a keyboard
// user could not tell whether Enter presses "DownLoad" or ends the program.

#include <QWidget>

class QAbstractButton;

namespace strikepad {

// The width of the ring.
inline constexpr int kFocusRingWidth = 2;

// Paints the ring on `surface` along the inside of `edge`.
void paintFocusRing(QWidget& surface, const QRect& edge, const QColor& colour);

// The ring round a button, which draws none of its own: a widget over the button, beside it
// in its parent so that the ring may enclose a radio button's mark, which starts at the
// button's very edge. Shown while the button has the focus.
class FocusRing final : public QWidget {
  Q_OBJECT

 public:
  // The ring lives as long as `button`, which must have a parent.
  static void attachTo(QAbstractButton& button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  explicit FocusRing(QAbstractButton& button);
  // Over a push button's face; round a radio button's mark and label, with a margin.
  void follow();

  QAbstractButton& button_;
};

}  // namespace strikepad
