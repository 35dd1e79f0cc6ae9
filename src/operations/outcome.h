#pragma once
// What an operation came to, as a value: its kind, and the text a message needs when the store,
// a file or the adapter said why. Operations never show or ask anything; each front end turns
// results into its own texts.

#include <string>
#include <utility>

namespace strikepad {

enum class Outcome {
  Done,
  NameTaken,          // the parent already holds a record of that name
  ParentGone,         // the parent was deleted by another program meanwhile
  NotFound,           // the record named is not there (any more)
  NeedsConfirmation,  // nothing changed: ask the user, then call again with Confirmation::Given
  Refused,            // nothing changed; `reason` says why
  Failed,             // the store, a file or the adapter failed; `reason` is its own text
};

// The user's answer to the question an operation needs answered before it goes on: the one way
// every operation takes a question, as an argument.
enum class Confirmation { NotGiven, Given };

struct Result {
  Outcome outcome = Outcome::Done;
  std::string reason;

  bool done() const { return outcome == Outcome::Done; }
};

inline Result failed(std::string reason) { return {Outcome::Failed, std::move(reason)}; }
inline Result refused(std::string reason) { return {Outcome::Refused, std::move(reason)}; }

}  // namespace strikepad
