#pragma once
// What the parser makes of the editor's text, in the text box's own character positions: where
// each step lies and which step fails. Byte offsets of the UTF-8 text the parser reads are
// turned into QString positions here, once, so the editor's pieces never meet bytes.

#include <QString>
#include <optional>
#include <vector>

#include "combo/script_parser.h"

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
  QString unknownWord;             // for a key word error: which word, and the key word it may mean
  bool textIgnored = false;        // every step is used and more text follows, unread
  std::vector<ScriptWarning> warnings;  // what is stored other than written or shown, by step
  std::optional<ComboBlock> block; // the block OK stores, none while the text does not parse
};

// The text as an edit of `original`, the block the editor opened on: the block keeps the bytes
// of the steps the text leaves as they were printed (see editedBlock).
ScriptCheck checkScript(const QString& text, const ComboBlock& original);

// What the editor's status line says about the check: the parser's message with the unknown
// word, or the step count and the warnings.
QString statusText(const ScriptCheck& check);

}  // namespace strikepad
