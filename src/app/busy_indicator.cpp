#include "app/busy_indicator.h"

#include <QPainter>

#include "app/artwork.h"

namespace strikepad {

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
  setObjectName("indicator");
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

const QPixmap& BusyIndicator::picture() {
  if (picturesRatio_ != devicePixelRatioF()) {
    picturesRatio_ = devicePixelRatioF();
    idle_ = idleGearPicture(picturesRatio_);
    busyPicture_ = busyGearPicture(picturesRatio_);
  }
  return busy_ ? busyPicture_ : idle_;
}

QSize BusyIndicator::sizeHint() const { return kIndicatorSize; }

void BusyIndicator::setState(bool busy, int done, int total) {
  busy_ = busy;
  done_ = done;
  total_ = total;
  repaint();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture());
  if (busy_ && total_ > 0) paintProgress(painter);
}

void BusyIndicator::paintProgress(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF ring(QPointF(2, 2), QSizeF(kIndicatorSize) - QSizeF(4, 4));
  painter.setPen(QPen(palette().color(QPalette::Highlight), 3, Qt::SolidLine, Qt::RoundCap));
  // Qt counts arcs in sixteenths of a degree, anticlockwise from three o'clock.
  painter.drawArc(ring, 90 * 16, -360 * 16 * done_ / total_);
  // The count sits on a dark label in the corner the gear leaves free, readable on any theme.
  const QString count = QStringLiteral("%1/%2").arg(done_).arg(total_);
  const QRectF label(0, 0, painter.fontMetrics().horizontalAdvance(count) + 6, painter.fontMetrics().height());
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 170));
  painter.drawRoundedRect(label, 3, 3);
  painter.setPen(Qt::white);
  painter.drawText(label, Qt::AlignCenter, count);
}

}  // namespace strikepad
