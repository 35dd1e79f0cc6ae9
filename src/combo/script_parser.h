#pragma once
// Script text to combo block, and the layout of a script's steps for an editor.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "combo/combo_block.h"

namespace strikepad {

// Where one step lies in the text. A step is usually one line, but a doubled space splits a
// line into two steps and an axis value may sit on the next line.
struct ScriptStep {
  int line;           // the step's number from 1: the n of "... in line n"
  std::size_t begin;  // byte offset of the step's time field
  std::size_t end;    // byte offset just past the last field the step read
};

struct ScriptError {
  std::string message;      // for example "time error in line 2"
  ScriptStep step;          // the failing step, up to the end of the field that failed
  std::string unknownWord;  // for "error keyword": the word that is none of the 20
};

// What a step stores other than the user wrote it, told rather than refused so that the
// bytes stay those the script has always made: a time outside 0..65535 or an axis value
// outside -127..127 (stored wrapped into its byte or bytes), text after a number's digits
// (ignored), and a step that reads as the end marker (the combo ends before it).
struct ScriptWarning {
  int line;             // the step's number, as in "... in line n"
  std::string message;  // for example "step 3: lx 200 is outside -127..127 and is stored as -56"
};

// Everything one pass over the text learns. Exactly one of block and error is set.
struct ScriptScan {
  std::vector<ScriptStep> steps;  // the steps read in full, in order
  std::optional<ComboBlock> block;
  std::optional<ScriptError> error;
  std::vector<ScriptWarning> warnings;  // of the steps read in full, in step order
};

// Reads the text up to its end or its first NUL byte, whichever comes first.
ScriptScan scanScript(std::string_view text);

struct ParseResult {
  std::optional<ComboBlock> block;  // set when the text parsed
  std::string message;              // the parser's message otherwise
  std::vector<ScriptWarning> warnings;  // values stored other than written; none on a message

  bool ok() const { return block.has_value(); }
};

// The parsed steps, then the end marker of eight 0xFF bytes unless all 45 steps are used,
// then zero bytes; or one message naming the failing step.
ParseResult parseScript(std::string_view text);

}  // namespace strikepad
