#pragma once
// The line at the foot of the window that says what the last command did ("Hadouken downloaded
// to slot 3"), with the lines before it in its tooltip. It never interrupts: the commands'
// own messages stay as they are.

#include <QLabel>
#include <QStringList>

namespace strikepad {

class StatusLine final : public QLabel {
  Q_OBJECT

 public:
  // How many lines the tooltip keeps, newest first.
  static constexpr int kKept = 8;

  explicit StatusLine(QWidget* parent = nullptr);

  void report(const QString& text);
  const QStringList& history() const { return lines_; }

 private:
  QStringList lines_;
};

}  // namespace strikepad
