#include "flows/pick_list.h"

#include "text/name_fold.h"

namespace strikepad {

int findString(const PickList& list, std::string_view name) {
  const int n = list.count();
  const std::string prefix = foldName(name);
  for (int step = 1; step <= n; ++step) {
    const int index = step % n;  // 1, 2, ..., n-1, then 0
    if (foldName(list.text(index)).starts_with(prefix)) return index;
  }
  return -1;
}

void selectByName(PickList& list, std::string_view name) { list.select(findString(list, name)); }

int VectorPickList::append(std::string text, RecordId id) {
  entries_.push_back({std::move(text), id});
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
