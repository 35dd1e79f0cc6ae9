#pragma once
// The indicator beside the slot buttons: an idle gear, or while a transfer runs the gear with
// its red badge and, when known, how far the transfer has got: a ring round the gear and the
// count of steps done beside it, in a large bold face to be read at a glance.

#include <QPixmap>
#include <QWidget>

namespace strikepad {

class BusyIndicator final : public QWidget {
  Q_OBJECT

 public:
  explicit BusyIndicator(QWidget* parent = nullptr);

  bool isBusy() const { return busy_; }
  // Draws at once (repaint, not update), as the device commands expect of the indicator. While
  // busy, `done` of `total` steps of the running transfer show as an arc and "done/total".
  void setState(bool busy, int done = 0, int total = 0);
  int progressDone() const { return done_; }
  int progressTotal() const { return total_; }
  // The face of the count beside the gear.
  QFont countFont() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Draws the pictures once for each screen scale the widget is shown on.
  const QPixmap& picture();
  void paintProgress(QPainter& painter) const;
  // Where the count goes: right of the gear, as wide as the widest count of a slot transfer.
  QRect countArea() const;

  bool busy_ = false;
  int done_ = 0;
  int total_ = 0;
  qreal picturesRatio_ = 0;
  QPixmap idle_;
  QPixmap busyPicture_;
};

}  // namespace strikepad
