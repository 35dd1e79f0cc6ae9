#pragma once
// One edit of the script editor's text, from either view: the whole text before and after it,
// with the cursor. Texts are a few kilobytes at most, so whole copies keep undo simple and
// exact: undo gives back the text as it was typed, not as the printer would write it.

#include <QString>
#include <QUndoCommand>
#include <functional>

namespace strikepad {

struct ScriptText {
  QString text;
  int cursor = 0;
};

class ScriptTextChange final : public QUndoCommand {
 public:
  // Puts a text into the text box; the box then shows it in both views.
  using Apply = std::function<void(const ScriptText&)>;

  // A change the user typed, which the box shows already. Typing on one line merges into one step.
  static ScriptTextChange* typed(Apply apply, ScriptText before, ScriptText after, int line);
  // A key word put in from the palette, which the box shows already: a step of its own.
  static ScriptTextChange* inserted(Apply apply, ScriptText before, ScriptText after, const QString& what);
  // A change made on the timeline, which the first redo puts into the box.
  static ScriptTextChange* fromTimeline(Apply apply, ScriptText before, ScriptText after, const QString& what);

  void undo() override;
  void redo() override;
  int id() const override { return typedLine_ < 0 ? -1 : kTypingId; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  static constexpr int kTypingId = 1;
  ScriptTextChange(Apply apply, ScriptText before, ScriptText after, bool shown, int typedLine);

  Apply apply_;
  ScriptText before_;
  ScriptText after_;
  bool shown_;     // the box shows `after_` already: the first redo has nothing to do
  int typedLine_;  // the line typed on, or -1 for an edit that merges with none
};

}  // namespace strikepad
