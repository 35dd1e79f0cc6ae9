#include "app/script_highlighter.h"

#include <algorithm>
#include <string>

#include "combo/script_fields.h"
#include "combo/script_keywords.h"

namespace strikepad {
namespace {

// The block state says whether the block's last field was an axis key word: then the first
// field of the next non-empty block is that axis's value.
enum BlockState { kNothingPending = 0, kAxisValuePending = 1 };

bool isButton(std::string_view word) {
  return std::any_of(kButtonKeywords.begin(), kButtonKeywords.end(),
                     [word](const ButtonKeyword& button) { return button.word == word; });
}

bool isAxis(std::string_view word) {
  return std::any_of(kAxisKeywords.begin(), kAxisKeywords.end(),
                     [word](const AxisKeyword& axis) { return axis.word == word; });
}

QTextCharFormat coloured(const QColor& colour, bool bold = false) {
  QTextCharFormat format;
  format.setForeground(colour);
  if (bold) format.setFontWeight(QFont::Bold);
  return format;
}

}  // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document),
      time_(coloured(QColor(0x1f, 0x5f, 0xbf), true)),
      keyword_(coloured(QColor(0x8a, 0x2b, 0x8f))),
      value_(coloured(QColor(0x0a, 0x7d, 0x3c))) {}

void ScriptHighlighter::setTimeStarts(std::vector<int> starts) {
  if (starts == timeStarts_) return;
  timeStarts_ = std::move(starts);
  rehighlight();
}

bool ScriptHighlighter::isTimeAt(int documentPosition) const {
  return std::binary_search(timeStarts_.begin(), timeStarts_.end(), documentPosition);
}

void ScriptHighlighter::highlightBlock(const QString& text) {
  const int blockStart = currentBlock().position();
  bool valuePending = previousBlockState() == kAxisValuePending;
  for (qsizetype start = 0; start < text.size();) {
    const qsizetype space = text.indexOf(u' ', start);
    const qsizetype end = space < 0 ? text.size() : space;
    if (end > start) {
      const std::string field = text.mid(start, end - start).toStdString();
      const std::string_view word = readKeyword(field);
      const bool wholeKeyword = word.size() == field.size();
      const auto from = static_cast<int>(start);
      const auto length = static_cast<int>(end - start);
      if (isTimeAt(blockStart + from)) {
        setFormat(from, length, time_);
      } else if (valuePending && readNumber(field)) {
        setFormat(from, length, value_);
      } else if (wholeKeyword && (isButton(word) || isAxis(word))) {
        setFormat(from, length, keyword_);
      }
      valuePending = !valuePending && wholeKeyword && isAxis(word);
    } else if (valuePending) {
      valuePending = false;  // an empty field is the value (and not a number)
    }
    start = end + 1;
  }
  // A space at the end of the line leaves an empty field there; an empty line vanishes
  // between fields, so it passes a pending value on.
  if (text.endsWith(u' ')) valuePending = false;
  setCurrentBlockState(valuePending ? kAxisValuePending : kNothingPending);
}

}  // namespace strikepad
