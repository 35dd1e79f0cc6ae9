#include "catalogue/pick_list.h"

namespace strikepad {

namespace {

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Letter case is folded for ASCII only, as the store folds it when it compares names.
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
  }
  return true;
}

}  // namespace

int findString(const PickList& list, std::string_view name) {
  const int n = list.count();
  for (int step = 1; step <= n; ++step) {
    const int index = step % n;  // 1, 2, ..., n-1, then 0
    if (startsWithIgnoringCase(list.text(index), name)) return index;
  }
  return -1;
}

void selectByName(PickList& list, std::string_view name) { list.select(findString(list, name)); }

int VectorPickList::append(const std::string& text, RecordId id) {
  entries_.push_back({text, id});
  return count() - 1;
}

void VectorPickList::remove(int index) {
  if (index < 0 || index >= count()) return;
  entries_.erase(entries_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void VectorPickList::clear() {
  entries_.clear();
  selected_ = -1;
}

}  // namespace strikepad
