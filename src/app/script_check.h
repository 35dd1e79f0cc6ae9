#pragma once
// What the parser makes of the editor's text, in the text box's own character positions: where
// each step lies and which step fails. Byte offsets of the UTF-8 text the parser reads are
// turned into QString positions here, once, so the editor's pieces never meet bytes.

#include <QString>
#include <optional>
#include <vector>

namespace strikepad {

struct StepSpan {
  int number;  // the n of "... in line n"
  int begin;   // position of the step's time field
  int end;     // position just past the last field the step read
};

struct ScriptCheck {
  std::vector<StepSpan> steps;     // the steps read in full, in order
  std::optional<StepSpan> failing; // the step the parser stops at
  QString message;                 // the parser's message for it, empty when the text parses
  bool textIgnored = false;        // every step is used and more text follows, unread
};

ScriptCheck checkScript(const QString& text);

// What the editor's status line says about the check.
QString statusText(const ScriptCheck& check);

}  // namespace strikepad
