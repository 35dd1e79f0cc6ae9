#include "app/script_text_change.h"

#include <QCoreApplication>

namespace strikepad {

ScriptTextChange::ScriptTextChange(Apply apply, ScriptText before, ScriptText after, bool shown, int typedLine)
    : apply_(std::move(apply)), before_(std::move(before)), after_(std::move(after)), shown_(shown),
      typedLine_(typedLine) {}

ScriptTextChange* ScriptTextChange::typed(Apply apply, ScriptText before, ScriptText after, int line) {
  auto* change = new ScriptTextChange(std::move(apply), std::move(before), std::move(after), true, line);
  change->setText(QCoreApplication::translate("ScriptEditor", "Typing"));
  return change;
}

ScriptTextChange* ScriptTextChange::inserted(Apply apply, ScriptText before, ScriptText after, const QString& what) {
  auto* change = new ScriptTextChange(std::move(apply), std::move(before), std::move(after), true, -1);
  change->setText(what);
  return change;
}

ScriptTextChange* ScriptTextChange::fromTimeline(Apply apply, ScriptText before, ScriptText after,
                                                 const QString& what) {
  auto* change = new ScriptTextChange(std::move(apply), std::move(before), std::move(after), false, -1);
  change->setText(what);
  return change;
}

void ScriptTextChange::undo() { apply_(before_); }

void ScriptTextChange::redo() {
  if (shown_) {
    shown_ = false;
    return;
  }
  apply_(after_);
}

bool ScriptTextChange::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const ScriptTextChange*>(other);  // same id: typed as well
  if (next->typedLine_ != typedLine_) return false;
  after_ = next->after_;
  return true;
}

}  // namespace strikepad
