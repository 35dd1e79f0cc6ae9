#pragma once
// One of the three catalogue lists (games, characters, combos), as the commands see it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/tables/record_id.h"

namespace strikepad {

class PickList {
 public:
  virtual ~PickList() = default;

  virtual int count() const = 0;
  virtual std::string text(int index) const = 0;
  virtual RecordId id(int index) const = 0;
  // -1 when nothing is selected.
  virtual int selectedIndex() const = 0;
  // Selects `index`, or clears the selection for -1. Never notifies the user's selection handler.
  virtual void select(int index) = 0;
  // Appends an entry at the end and returns its index.
  virtual int append(std::string text, RecordId id) = 0;
  virtual void remove(int index) = 0;
  virtual void clear() = 0;

  bool hasSelection() const { return selectedIndex() >= 0 && selectedIndex() < count(); }
  RecordId selectedId() const { return id(selectedIndex()); }
  std::string selectedText() const { return text(selectedIndex()); }
};

// The lists' prefix search: entries from the second to the last, then the first; the first
// whose text begins with `name` without regard to letter case. -1 when none matches.
int findString(const PickList& list, std::string_view name);

// Selects what findString yields (or clears the selection when nothing matches).
void selectByName(PickList& list, std::string_view name);

// A PickList held in memory: the command-line tool's lists and the tests'.
class VectorPickList final : public PickList {
 public:
  struct Entry {
    std::string text;
    RecordId id;
  };

  int count() const override { return static_cast<int>(entries_.size()); }
  std::string text(int index) const override { return entries_.at(static_cast<std::size_t>(index)).text; }
  RecordId id(int index) const override { return entries_.at(static_cast<std::size_t>(index)).id; }
  int selectedIndex() const override { return selected_; }
  void select(int index) override { selected_ = (index >= 0 && index < count()) ? index : -1; }
  int append(std::string text, RecordId id) override;
  void remove(int index) override;
  void clear() override;

  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
  int selected_ = -1;
};

}  // namespace strikepad
