#pragma once
// The script editor: usage notes above a multi-line box. As the user types, the box colours
// the script, numbers its steps and marks the step that would fail, with the parser's message
// in the status line below, or the values that are stored other than written. OK parses the
// text; a script with an error keeps the editor open with the parser's message, one with such
// values asks first (No keeps it open), and a good one overwrites the caller's block and closes
// it. Closing it otherwise leaves the block alone.

#include <QDialog>

#include "combo/combo_block.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace strikepad {

class ScriptHighlighter;
class ScriptTextBox;

class ScriptEditor final : public QDialog {
  Q_OBJECT

 public:
  // Opens on the printed form of `block`, which must outlive the dialog.
  explicit ScriptEditor(ComboBlock& block, QWidget* parent = nullptr);

  QPlainTextEdit* textBox() const;
  ScriptTextBox* scriptBox() const { return text_; }
  ScriptHighlighter* highlighter() const { return highlighter_; }
  QLabel* statusLine() const { return status_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void checkAsTyped();
  void parseAndClose();

  ComboBlock& block_;
  ScriptTextBox* text_;
  ScriptHighlighter* highlighter_;
  QLabel* status_;
  QPushButton* ok_;
};

}  // namespace strikepad
