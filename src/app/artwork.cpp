#include "app/artwork.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace strikepad {

namespace {

constexpr int kTeeth = 10;
const QColor kGearOrange{0xF2, 0x8C, 0x1E};
const QColor kGearShade{0xB8, 0x5A, 0x08};
const QColor kBadgeRed{0xD3, 0x1F, 0x1F};

// A gear filling the square `bounds`: teeth around a rim, and a hole through the hub.
QPainterPath gearPath(const QRectF& bounds) {
  const QPointF centre = bounds.center();
  const double outer = bounds.width() / 2.0;
  const double root = outer * 0.78;
  const double step = 2.0 * std::numbers::pi / kTeeth;
  auto at = [&](double radius, double angle) {
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  };
  QPainterPath path;
  for (int tooth = 0; tooth < kTeeth; ++tooth) {
    // Each tooth narrows towards its tip, which makes the outline read as a gear at 16 pixels too.
    const double start = tooth * step;
    const QPointF corners[] = {at(root, start), at(outer, start + step * 0.12),
                               at(outer, start + step * 0.38), at(root, start + step * 0.5)};
    if (tooth == 0) path.moveTo(corners[0]);
    for (const QPointF& corner : corners) path.lineTo(corner);
    path.lineTo(at(root, start + step));
  }
  path.closeSubpath();
  path.addEllipse(centre, outer * 0.3, outer * 0.3);
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

void drawGear(QPainter& painter, const QRectF& bounds) {
  QRadialGradient light(bounds.center() - QPointF(bounds.width() * 0.15, bounds.height() * 0.15),
                        bounds.width() * 0.7);
  light.setColorAt(0.0, kGearOrange.lighter(125));
  light.setColorAt(0.6, kGearOrange);
  light.setColorAt(1.0, kGearShade);
  painter.setPen(QPen(kGearShade, bounds.width() / 48.0));
  painter.setBrush(light);
  painter.drawPath(gearPath(bounds));
}

// A red disc with a white rim and a white exclamation mark, drawn with shapes, not a font.
void drawBadge(QPainter& painter, const QPointF& centre, double radius) {
  painter.setPen(QPen(Qt::white, radius / 7.0));
  painter.setBrush(kBadgeRed);
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  const double barWidth = radius * 0.3;
  const QRectF bar(centre.x() - barWidth / 2, centre.y() - radius * 0.62, barWidth, radius * 0.78);
  painter.drawRoundedRect(bar, barWidth / 2, barWidth / 2);
  painter.drawEllipse(QPointF(centre.x(), centre.y() + radius * 0.45), barWidth * 0.6, barWidth * 0.6);
}

QPixmap indicatorPicture(qreal devicePixelRatio, bool busy) {
  QImage image(kIndicatorSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  drawGear(painter, QRectF(3, 3, 62, 62));
  if (busy) drawBadge(painter, QPointF(53, 52), 15);
  painter.end();
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap idleGearPicture(qreal devicePixelRatio) { return indicatorPicture(devicePixelRatio, false); }

QPixmap busyGearPicture(qreal devicePixelRatio) { return indicatorPicture(devicePixelRatio, true); }

QImage applicationIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1E, 0x1E, 0x22));
  painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
  drawGear(painter, QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
  painter.end();
  return image;
}

namespace {

// Draws the application icon at the size asked for, when asked: a window made and never shown
// draws none, and one shown draws only the sizes its platform uses.
class ApplicationIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->drawImage(rect, applicationIconImage(std::min(rect.width(), rect.height())));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    return QPixmap::fromImage(applicationIconImage(std::min(size.width(), size.height())));
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) sizes.append(QSize(size, size));
    return sizes;
  }
  QIconEngine* clone() const override { return new ApplicationIconEngine; }
};

}  // namespace

// The icon owns its engine.
QIcon applicationIcon() { return QIcon(new ApplicationIconEngine); }

}  // namespace strikepad
