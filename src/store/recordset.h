#pragma once
// The records of one query on one table, walked and changed in place: the shape in which
// every catalogue operation reads and writes the store.
//
// The records are read on first use and then held, so deleting records through another
// record set does not disturb a walk. A record set opened only to add records never reads
// its table.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/field_value.h"
#include "store/statement_cache.h"

namespace strikepad {

class Store;

class Recordset {
 public:
  // `params` are the values bound to `query`, held until the records are read.
  Recordset(Store& store, std::string table, StatementLease query, std::vector<FieldValue> params);
  Recordset(Recordset&&) noexcept = default;
  Recordset& operator=(Recordset&&) noexcept = default;

  // Past the last record (at once when the query matched nothing).
  bool atEnd();
  void moveNext();
  // The exact number of records the query matched.
  std::size_t recordCount();
  // True when reading the records failed (already reported); the set then holds none.
  bool failed() {
    load();
    return failed_;
  }

  // The current record's value of `field` (null when there is no such field or no record).
  const FieldValue& collect(std::string_view field);
  std::string text(std::string_view field) { return toText(collect(field)); }
  std::int32_t integer(std::string_view field) { return static_cast<std::int32_t>(toInteger(collect(field))); }

  // Sets a field of the current (or added) record; written by update().
  void setValue(std::string_view field, FieldValue value);
  // Sets the whole value of a byte field.
  void appendChunk(std::string_view field, std::span<const std::uint8_t> bytes);
  // The number of bytes the field holds.
  std::size_t actualSize(std::string_view field);
  // The first `count` bytes of the field.
  Bytes getChunk(std::string_view field, std::size_t count);

  // Starts a new, empty record; update() inserts it and makes it the current record.
  void addNew();
  // Writes the added or changed record. False (after the store error report) when it failed.
  bool update();
  // Removes the current record from the file at once.
  bool deleteCurrent();
  // Ends the record set; destruction does the same.
  void close();

 private:
  void load();
  void releaseQuery();
  bool onRecord();
  FieldValue& value(std::size_t row, int column) { return values_[row * columns_.size() + static_cast<std::size_t>(column)]; }
  std::int64_t currentId();
  int columnIndex(std::string_view field) const;
  void clearPending();
  // Moves the pending values into the current record.
  void storePending();
  bool insertPending();
  bool updatePending();

  Store* store_;
  std::string table_;
  StatementLease query_;
  std::vector<FieldValue> params_;
  std::vector<std::string> columns_;
  // The records, row after row, all fields of a row side by side.
  std::vector<FieldValue> values_;
  std::vector<bool> deleted_;
  bool loaded_ = false;
  bool failed_ = false;
  std::size_t position_ = 0;
  bool adding_ = false;
  // The fields set since addNew() or the last update(), and their values side by side (the
  // values are bound as they stand).
  std::vector<std::string> pendingFields_;
  std::vector<FieldValue> pendingValues_;
};

}  // namespace strikepad
