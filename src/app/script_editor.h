#pragma once
// The script editor: usage notes above a multi-line box. OK parses the text; a script with an
// error keeps the editor open with the parser's message, a good one overwrites the caller's
// block and closes it. Closing it otherwise leaves the block alone.

#include <QDialog>
#include <QPlainTextEdit>

#include "combo/combo_block.h"

class QPushButton;

namespace strikepad {

// Letters arrive in lower case, whether typed or pasted.
class LowerCaseTextEdit final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit LowerCaseTextEdit(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

class ScriptEditor final : public QDialog {
  Q_OBJECT

 public:
  // Opens on the printed form of `block`, which must outlive the dialog.
  explicit ScriptEditor(ComboBlock& block, QWidget* parent = nullptr);

  QPlainTextEdit* textBox() const { return text_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void parseAndClose();

  ComboBlock& block_;
  LowerCaseTextEdit* text_;
  QPushButton* ok_;
};

}  // namespace strikepad
