#pragma once
// A small picture of a combo over time: one lane for each button the combo holds, marked
// while it is held, then one lane for each stick axis it moves, tracing the axis's position
// (rest in the middle); time runs from left to right with each step as wide as its hold time.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>

#include "combo/combo_block.h"

namespace strikepad {

// The colours of a held button and of a stick's position, here and in the script editor's timeline.
inline QColor timelineHeldColour() { return {0x1f, 0x5f, 0xbf}; }
// An axis lane is this many button lanes high.
inline constexpr int kAxisLaneScale = 2;
inline QColor timelineStickColour() { return {0x0a, 0x7d, 0x3c}; }

// The picture is `width` logical pixels wide and as high as its lanes need; null for a combo
// without steps.
QPixmap drawComboTimeline(const ComboBlock& block, int width, qreal devicePixelRatio, const QFont& font,
                          const QPalette& palette);

}  // namespace strikepad
