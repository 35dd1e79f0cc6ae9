#pragma once
// What an add in the catalogue came to, as the import and the capture still take it from the
// window's Catalogue (until they run on the operations themselves).

#include "flows/list_steps.h"
#include "flows/window_texts.h"
#include "operations/catalogue_operations.h"

namespace strikepad {

struct StoreResult {
  enum class Kind {
    Stored,      // added (id: the new record's)
    NameTaken,   // the parent already holds a record of that name
    ParentGone,  // the parent was deleted by another program meanwhile
    NotStored,   // the store failed (after its report)
  };
  Kind kind;
  RecordId id = kNotStored;

  bool stored() const { return kind == Kind::Stored; }
};

inline StoreResult storeResultOf(const AddResult& added) {
  switch (added.outcome) {
    case Outcome::Done: return {StoreResult::Kind::Stored, added.id};
    case Outcome::NameTaken: return {StoreResult::Kind::NameTaken};
    case Outcome::ParentGone: return {StoreResult::Kind::ParentGone};
    default: return {StoreResult::Kind::NotStored};
  }
}

// Tells the user why an add did nothing, as the catalogue's commands do.
inline void presentRefusal(Prompts& prompts, const StoreResult& result, const char* parentGone) {
  if (result.kind == StoreResult::Kind::NameTaken) prompts.notice(messages::kDuplicateName);
  if (result.kind == StoreResult::Kind::ParentGone && parentGone) prompts.notice(parentGone);
}

inline void appendOrFind(PickList& list, const std::string& name, const StoreResult& added) {
  appendOrFind(list, name, added.stored() ? std::optional<RecordId>(added.id) : std::nullopt);
}

}  // namespace strikepad
