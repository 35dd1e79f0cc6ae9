#pragma once
// The window's own pictures, drawn with QPainter: the indicator's idle gear, its busy gear
// with the red badge, and the application icon.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace strikepad {

// The indicator pictures are 71 x 70 logical pixels.
inline constexpr QSize kIndicatorSize{71, 70};

// Both drawn for `devicePixelRatio` so they stay sharp on high-DPI screens; the background is
// transparent, so the gear sits on whatever is behind it.
QPixmap idleGearPicture(qreal devicePixelRatio);
QPixmap busyGearPicture(qreal devicePixelRatio);

// The gear on a dark rounded square at the usual icon sizes, each drawn when first asked for.
QIcon applicationIcon();
QImage applicationIconImage(int size);

}  // namespace strikepad
