#pragma once
// A catalogue on a fresh sp.dat in a temporary folder, with in-memory lists and scripted prompts.

#include <string>
#include <vector>

#include "catalogue_test_base.h"

namespace strikepad {

class CatalogueTest : public testing::CatalogueTestBase {
 protected:
  // Names of one table's records (for a parent, when given), in store order.
  std::vector<std::string> stored(const char* table, const char* parentField = nullptr, RecordId parent = 0) {
    std::vector<std::string> names;
    auto records = parentField ? store_.OpenRecordset(table, std::string(parentField) + "=?", {std::int64_t{parent}})
                               : store_.OpenRecordset(table);
    for (; !records->atEnd(); records->moveNext()) names.push_back(records->text("name"));
    return names;
  }

  static ComboBlock blockWith(std::uint8_t firstByte) {
    ComboBlock block = emptyComboBlock();
    block[0] = firstByte;
    block[1] = 0;
    block[2] = block[3] = kAxisAtRest;
    return block;
  }

  RecordId addCombo(const std::string& name, RecordId characterId, std::uint8_t firstByte = 1) {
    const ComboBlock block = blockWith(firstByte);
    return told(catalogue_.StoreNewCombo(name, characterId, block.data(), block.size())).id;
  }

  // The combos addGame stores all hold the block addCombo stores by default.
  ComboBlock nextComboBlock() override { return blockWith(1); }
};

}  // namespace strikepad
