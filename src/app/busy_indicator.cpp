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

namespace {

constexpr int kRingWidth = 4;
constexpr int kCountGap = 4;
// The widest count the window shows: a slot transfer has eight chunks.
constexpr const char* kWidestCount = "8/8";

}  // namespace

QFont BusyIndicator::countFont() const {
  QFont font = this->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.6);
  return font;
}

QRect BusyIndicator::countArea() const {
  const QFontMetrics metrics(countFont());
  return QRect(kIndicatorSize.width() + kCountGap, 0, metrics.horizontalAdvance(kWidestCount), kIndicatorSize.height());
}

// The count's room is kept while idle, so the window does not change its layout mid-transfer.
QSize BusyIndicator::sizeHint() const { return {countArea().right() + 1, kIndicatorSize.height()}; }

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
  const qreal inset = kRingWidth / 2.0;
  const QRectF ring(QPointF(inset, inset), QSizeF(kIndicatorSize) - QSizeF(2 * inset, 2 * inset));
  painter.setPen(QPen(palette().color(QPalette::Highlight), kRingWidth, Qt::SolidLine, Qt::RoundCap));
  // Qt counts arcs in sixteenths of a degree, anticlockwise from three o'clock.
  painter.drawArc(ring, 90 * 16, -360 * 16 * done_ / total_);
  painter.setFont(countFont());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(countArea(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1/%2").arg(done_).arg(total_));
}

}  // namespace strikepad
