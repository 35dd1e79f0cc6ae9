#include "app/caption_width.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace strikepad {

namespace {

// The icon and up to three buttons, each about two lines of the title font wide, with room
// between them.
constexpr int kTitleBarControlsInLines = 9;

}  // namespace

int captionWidth(const QString& caption) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(caption) + kTitleBarControlsInLines * metrics.height();
}

}  // namespace strikepad
