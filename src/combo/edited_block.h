#pragma once
// An edited script laid over the block it was printed from. The script text cannot carry
// every byte of a block (an axis byte 0x00 prints as -127 and parses back as 0x01, and nothing
// after the end marker is printed), so parsing the edited text alone would rewrite bytes the
// user never touched.

#include <vector>

#include "combo/combo_block.h"
#include "combo/script_parser.h"

namespace strikepad {

struct EditedBlock {
  ComboBlock block;
  // The bytes the text could not carry that an edit of their step changes anyway.
  std::vector<ScriptWarning> notes;
};

// `parsed` is the parser's block of the edited text. Each of its steps that reads as a step of
// `original`, matched in order as many as can be, keeps that step's bytes. The end marker and
// the bytes after it move with the marker: what no longer fits after added steps is dropped,
// and the room that removed steps leave at the end is zero, as the parser leaves it. A script
// written on an empty block, or on one of 45 steps (which has no marker), ends as the parser
// ends it.
// Text unchanged from the printed `original` gives `original` back byte for byte.
EditedBlock editedBlock(const ComboBlock& original, const ComboBlock& parsed);

}  // namespace strikepad
