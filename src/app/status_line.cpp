#include "app/status_line.h"

#include <QTextDocument>

namespace strikepad {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
  // Names are shown as typed, never as markup.
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setForegroundRole(QPalette::PlaceholderText);
}

void StatusLine::report(const QString& text) {
  lines_.prepend(text);
  while (lines_.size() > kKept) lines_.removeLast();
  setText(text);
  // Plain text in the tooltip too: a name holding markup stays as typed.
  setToolTip(Qt::convertFromPlainText(lines_.join(QLatin1Char('\n')), Qt::WhiteSpaceNormal));
}

}  // namespace strikepad
