#pragma once
// The script editor's text box: letters arrive in lower case, whether typed or pasted; a
// margin numbers the steps as the parser counts them (a line split by a doubled space shows
// two numbers, an empty line none); the step the parser stops at is underlined. It keeps no undo
// history of its own: the editor's covers the text and the timeline alike.

#include <QColor>
#include <QPlainTextEdit>
#include <QWidget>
#include <map>

#include "app/script_check.h"

namespace strikepad {

class ScriptTextBox final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ScriptTextBox(QWidget* parent = nullptr);

  // Numbers the steps and marks the failing one as `check` says.
  void showCheck(const ScriptCheck& check);

  // The step numbers the margin shows beside text line `line` (from 0), in order.
  QList<int> stepNumbersOnLine(int line) const;
  // The colour that marks a failing step, here and in the editor's check line.
  static QColor failingColour() { return QColor(0xc6, 0x28, 0x28); }

  // The margin's number of the failing step, 0 when the text parses.
  int failingStepNumber() const { return failingNumber_; }
  QWidget* stepMargin() const;

 protected:
  // Undo and redo are the editor's, for both of its views: the box lets their keys through.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  class StepMargin;

  void paintMargin(QPaintEvent* event);
  QString marginText(int line) const;
  void fitMargin();

  StepMargin* margin_;
  std::map<int, QList<int>> numbersByLine_;
  int failingNumber_ = 0;
};

}  // namespace strikepad
