#pragma once
// What an add or a rename in the catalogue came to. The operations show nothing but the store
// error report; their callers present the outcome (or, like the import, keep it to themselves).

#include "catalogue/prompts.h"
#include "catalogue/records.h"

namespace strikepad {

struct StoreResult {
  enum class Kind {
    Stored,      // added (id: the new record's) or renamed
    NameTaken,   // the parent already holds a record of that name
    ParentGone,  // the parent was deleted by another program meanwhile
    NotStored,   // no such record to rename, or the store failed (after its report)
  };
  Kind kind;
  RecordId id = kNotStored;

  bool stored() const { return kind == Kind::Stored; }
};

// The outcome of insertUnlessTaken's id, and of renameUnlessTaken on the record `id`.
inline StoreResult insertResult(RecordId id) {
  if (id == kNameTaken) return {StoreResult::Kind::NameTaken};
  if (id == kParentGone) return {StoreResult::Kind::ParentGone};
  if (id < 0) return {StoreResult::Kind::NotStored};
  return {StoreResult::Kind::Stored, id};
}
inline StoreResult renameResult(RenameOutcome outcome, RecordId id) {
  switch (outcome) {
    case RenameOutcome::Renamed: return {StoreResult::Kind::Stored, id};
    case RenameOutcome::Taken: return {StoreResult::Kind::NameTaken};
    case RenameOutcome::ParentGone: return {StoreResult::Kind::ParentGone};
    case RenameOutcome::NotDone: break;
  }
  return {StoreResult::Kind::NotStored};
}

inline constexpr const char* kDuplicateName = "This key name is always exist.";

// Tells the user why an add or rename did nothing, as the catalogue's commands do; `parentGone`
// is what a vanished parent is told with (nullptr for games, which have none).
inline void presentRefusal(Prompts& prompts, const StoreResult& result, const char* parentGone) {
  if (result.kind == StoreResult::Kind::NameTaken) prompts.notice(kDuplicateName);
  if (result.kind == StoreResult::Kind::ParentGone && parentGone) prompts.notice(parentGone);
}

}  // namespace strikepad
