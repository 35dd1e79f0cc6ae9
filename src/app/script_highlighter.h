#pragma once
// Colours a script as the user types: times, key words, and the values after lx, ly, rx, ry.
// Which field is a time comes from the parser's step layout (a doubled space makes the next
// field a time), so the editor hands over the step starts after every change.

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <vector>

namespace strikepad {

class ScriptHighlighter final : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  explicit ScriptHighlighter(QTextDocument* document);

  // Document positions of the steps' time fields, in ascending order; rehighlights.
  void setTimeStarts(std::vector<int> starts);

  const QTextCharFormat& timeFormat() const { return time_; }
  const QTextCharFormat& keywordFormat() const { return keyword_; }
  const QTextCharFormat& valueFormat() const { return value_; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  bool isTimeAt(int documentPosition) const;

  std::vector<int> timeStarts_;
  QTextCharFormat time_;
  QTextCharFormat keyword_;
  QTextCharFormat value_;
};

}  // namespace strikepad
