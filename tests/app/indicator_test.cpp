// The indicator's pictures and how it draws: at once when its state changes.

#include <gtest/gtest.h>

#include <QEvent>
#include <QImage>
#include <QTest>

#include "app/artwork.h"
#include "app/busy_indicator.h"

namespace strikepad {
namespace {

QColor pixel(const QPixmap& picture, int x, int y) { return picture.toImage().pixelColor(x, y); }

bool isOrange(const QColor& c) { return c.alpha() == 255 && c.red() > 180 && c.green() > 60 && c.green() < 200 && c.blue() < 90; }
bool isRed(const QColor& c) { return c.alpha() == 255 && c.red() > 170 && c.green() < 60 && c.blue() < 60; }
bool isWhite(const QColor& c) { return c.alpha() == 255 && c.red() > 230 && c.green() > 230 && c.blue() > 230; }

TEST(IndicatorPictures, AreSeventyOneBySeventyAndSharpOnScaledScreens) {
  EXPECT_EQ(idleGearPicture(1.0).size(), QSize(71, 70));
  EXPECT_EQ(busyGearPicture(1.0).size(), QSize(71, 70));
  const QPixmap doubled = idleGearPicture(2.0);
  EXPECT_EQ(doubled.size(), QSize(142, 140));
  EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(71, 70));
}

TEST(IndicatorPictures, IdleIsAnOrangeGearWithAHoleOnATransparentGround) {
  const QPixmap idle = idleGearPicture(1.0);
  EXPECT_TRUE(isOrange(pixel(idle, 34, 14))) << pixel(idle, 34, 14).name().toStdString();  // the rim above the hub
  EXPECT_EQ(pixel(idle, 34, 34).alpha(), 0);                                                  // the hole
  EXPECT_EQ(pixel(idle, 0, 0).alpha(), 0);                                                    // the ground
}

TEST(IndicatorPictures, BusyAddsARedBadgeWithAWhiteExclamationMark) {
  const QPixmap idle = idleGearPicture(1.0);
  const QPixmap busy = busyGearPicture(1.0);
  EXPECT_TRUE(isRed(pixel(busy, 46, 52))) << pixel(busy, 46, 52).name().toStdString();
  EXPECT_TRUE(isWhite(pixel(busy, 53, 47)));  // the mark's bar
  EXPECT_TRUE(isWhite(pixel(busy, 53, 59)));  // its dot
  EXPECT_TRUE(isRed(pixel(busy, 53, 55)));    // the gap between them
  EXPECT_EQ(pixel(busy, 34, 14), pixel(idle, 34, 14));
}

TEST(ApplicationIcon, ComesInTheUsualSizes) {
  const QIcon icon = applicationIcon();
  for (int size : {16, 32, 48, 256}) EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size));
  EXPECT_TRUE(isOrange(applicationIconImage(64).pixelColor(32, 12)));
}

// Counts the indicator's paints.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(BusyIndicator, DrawsAtOnceWhenItsStateChanges) {
  BusyIndicator indicator;
  indicator.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&indicator));
  PaintCounter counter;
  indicator.installEventFilter(&counter);
  indicator.setState(true);
  EXPECT_EQ(counter.paints, 1);  // painted inside the call: no event loop runs during a transfer
  EXPECT_TRUE(indicator.isBusy());
  indicator.setState(true, 3, 8);
  EXPECT_EQ(counter.paints, 2);
  EXPECT_EQ(indicator.progressDone(), 3);
  indicator.setState(false);
  EXPECT_EQ(counter.paints, 3);
  EXPECT_FALSE(indicator.isBusy());
}

TEST(BusyIndicator, ShowsTheBadgeOnlyWhileBusy) {
  BusyIndicator indicator;
  indicator.setState(false);
  EXPECT_FALSE(isRed(indicator.grab().toImage().pixelColor(46, 52)));
  indicator.setState(true);
  EXPECT_TRUE(isRed(indicator.grab().toImage().pixelColor(46, 52)));
  EXPECT_EQ(indicator.sizeHint().height(), 70);
}

// The pixels right of the gear that have the window's text colour.
int countPixels(BusyIndicator& indicator) {
  const QImage image = indicator.grab().toImage();
  const QColor text = indicator.palette().color(QPalette::WindowText);
  int pixels = 0;
  for (int x = kIndicatorSize.width(); x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y) pixels += image.pixelColor(x, y) == text;
  return pixels;
}

TEST(BusyIndicator, ShowsTheCountBesideTheGearInALargeBoldFace) {
  BusyIndicator indicator;
  indicator.setState(true);
  EXPECT_EQ(countPixels(indicator), 0);
  indicator.setState(true, 3, 8);
  EXPECT_GT(countPixels(indicator), 40);
  EXPECT_TRUE(indicator.countFont().bold());
  EXPECT_GE(QFontMetrics(indicator.countFont()).height(), QFontMetrics(indicator.font()).height() * 3 / 2);
  EXPECT_GE(indicator.sizeHint().width(), kIndicatorSize.width() + QFontMetrics(indicator.countFont()).horizontalAdvance("8/8"));
  indicator.setState(false);
  EXPECT_EQ(countPixels(indicator), 0);
}

}  // namespace
}  // namespace strikepad
