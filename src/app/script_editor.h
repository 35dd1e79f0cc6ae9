#pragma once
// The script editor: usage notes above a multi-line box, a palette of the key words beside it
// (a click puts the word in at the cursor, as one edit of its own), and under it a timeline of
// the same block. As the user types, the box colours the script, numbers its steps and marks the step
// that would fail, with the parser's message in the status line below, or the values that are
// stored other than written; the timeline follows as soon as the text parses and is dimmed
// while it does not. An edit on the timeline reprints the text. Every edit in either view can
// be undone and redone. OK (or Ctrl+Return anywhere) parses the text; a script with an error
// keeps the editor open with the parser's message, one with such values asks first (No keeps
// it open), and a good one overwrites the caller's block and closes it. The block keeps the
// bytes of every step the script leaves as printed, and those after the end marker, so OK on
// an unchanged script gives the block back as it came. Closing it otherwise leaves the block
// alone, after asking when the script was changed.

#include <QDialog>
#include <QKeySequence>
#include <optional>

#include "app/script_text_change.h"
#include "combo/combo_block.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QUndoStack;

namespace strikepad {

class KeywordPalette;
class ScriptHighlighter;
class ScriptTextBox;
class StepTimeline;

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
  StepTimeline* timeline() const { return timeline_; }
  QLabel* stepCountLine() const { return stepCount_; }
  QUndoStack* undoStack() const { return undo_; }
  KeywordPalette* keywordPalette() const { return palette_; }

  // Escape, Cancel and the close box: asks before throwing away a changed script.
  void reject() override;

 private:
  QAction* historyAction(const QString& text, QKeySequence::StandardKey keys, bool undo);
  QLayout* buildTimelineBar();
  void offerHistoryInTextMenu(QAction* undo, QAction* redo);
  void textChanged();
  void insertKeyword(const QString& word, bool isAxis);
  void checkAsTyped();
  void recordTimelineEdit(const ComboBlock& block, const QString& what);
  void applyText(const ScriptText& text);
  void parseAndClose();

  ComboBlock& block_;
  const ComboBlock original_;  // as the editor opened on it
  ScriptTextBox* text_;
  ScriptHighlighter* highlighter_;
  QLabel* status_;
  KeywordPalette* palette_;
  StepTimeline* timeline_;
  QLabel* stepCount_;
  QUndoStack* undo_;
  QPushButton* ok_;
  QPushButton* cancel_;
  ScriptText recorded_;   // the text as the undo history last left it
  bool applying_ = false; // the text box is being given a text from the history
  std::optional<QString> inserting_;  // what the palette is putting in, for the undo history
};

}  // namespace strikepad
