#include "store/recordset.h"

#include <algorithm>

#include "store/store.h"

namespace strikepad {

Recordset::Recordset(Store& store, std::string table, StatementLease query, std::vector<FieldValue> params)
    : store_(&store), table_(std::move(table)), query_(std::move(query)), params_(std::move(params)) {
  const int count = sqlite3_column_count(query_.get());
  columns_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) columns_.emplace_back(sqlite3_column_name(query_.get(), i));
}

void Recordset::load() {
  if (loaded_) return;
  loaded_ = true;
  if (!query_) return;
  const int columnCount = static_cast<int>(columns_.size());
  int result = SQLITE_ROW;
  while ((result = sqlite3_step(query_.get())) == SQLITE_ROW) {
    for (int i = 0; i < columnCount; ++i) values_.push_back(columnValue(query_.get(), i));
    deleted_.push_back(false);
  }
  if (result != SQLITE_DONE) {
    // A read that stops halfway (a lock held too long, a damaged page) must not pass for a
    // short result: a cascade would take it for "no children" and orphan them.
    values_.clear();
    deleted_.clear();
    failed_ = true;
    store_->reportLastError();
  }
  // The rows are held now; the statement and its read lock go back to the store.
  releaseQuery();
}

void Recordset::releaseQuery() {
  query_.release();
  params_.clear();
}

bool Recordset::atEnd() {
  load();
  return position_ >= deleted_.size();
}

void Recordset::moveNext() {
  load();
  if (position_ < deleted_.size()) ++position_;
}

std::size_t Recordset::recordCount() {
  load();
  return deleted_.size();
}

bool Recordset::onRecord() {
  load();
  return position_ < deleted_.size();
}

int Recordset::columnIndex(std::string_view field) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i] == field) return static_cast<int>(i);
  return -1;
}

const FieldValue& Recordset::collect(std::string_view field) {
  static const FieldValue kNull;
  const int index = columnIndex(field);
  if (index < 0 || !onRecord()) return kNull;
  return value(position_, index);
}

std::int64_t Recordset::currentId() { return toInteger(collect("id")); }

void Recordset::setValue(std::string_view field, FieldValue value) {
  for (std::size_t i = 0; i < pendingFields_.size(); ++i) {
    if (pendingFields_[i] == field) {
      pendingValues_[i] = std::move(value);
      return;
    }
  }
  pendingFields_.emplace_back(field);
  pendingValues_.push_back(std::move(value));
}

void Recordset::appendChunk(std::string_view field, std::span<const std::uint8_t> bytes) {
  setValue(field, Bytes(bytes.begin(), bytes.end()));
}

std::size_t Recordset::actualSize(std::string_view field) {
  const FieldValue& value = collect(field);
  if (const auto* bytes = std::get_if<Bytes>(&value)) return bytes->size();
  if (const auto* text = std::get_if<std::string>(&value)) return text->size();
  return 0;
}

Bytes Recordset::getChunk(std::string_view field, std::size_t count) {
  const auto* bytes = std::get_if<Bytes>(&collect(field));
  if (bytes == nullptr) return {};
  return Bytes(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(std::min(count, bytes->size())));
}

void Recordset::addNew() {
  adding_ = true;
  clearPending();
}

bool Recordset::update() {
  const bool written = adding_ ? insertPending() : updatePending();
  adding_ = false;
  clearPending();
  return written;
}

void Recordset::clearPending() {
  pendingFields_.clear();
  pendingValues_.clear();
}

void Recordset::storePending() {
  for (std::size_t i = 0; i < pendingFields_.size(); ++i)
    if (const int index = columnIndex(pendingFields_[i]); index >= 0)
      value(position_, index) = std::move(pendingValues_[i]);
}

bool Recordset::insertPending() {
  std::string sql = "insert into " + table_;
  if (pendingFields_.empty()) {
    sql += " default values";
  } else {
    std::string names;
    std::string marks;
    for (const std::string& name : pendingFields_) {
      names += (names.empty() ? "" : ",") + name;
      marks += marks.empty() ? "?" : ",?";
    }
    sql += "(" + names + ") values(" + marks + ")";
  }
  if (!store_->execute(sql, pendingValues_)) return false;

  // The added record becomes the current one. A record set that has not read its table
  // yet (opened to add) goes on holding only the records it added.
  loaded_ = true;
  position_ = deleted_.size();
  deleted_.push_back(false);
  values_.resize(values_.size() + columns_.size());
  if (const int id = columnIndex("id"); id >= 0)
    value(position_, id) = static_cast<std::int64_t>(sqlite3_last_insert_rowid(store_->handle()));
  storePending();
  return true;
}

bool Recordset::updatePending() {
  if (!onRecord() || deleted_[position_]) return pendingFields_.empty();
  if (pendingFields_.empty()) return true;
  std::string assignments;
  for (const std::string& name : pendingFields_) assignments += (assignments.empty() ? "" : ",") + name + "=?";
  // The id is bound after the fields, for a moment among the pending values.
  pendingValues_.emplace_back(currentId());
  const bool written = store_->execute("update " + table_ + " set " + assignments + " where id=?", pendingValues_);
  pendingValues_.pop_back();
  if (!written) return false;
  storePending();
  return true;
}

bool Recordset::deleteCurrent() {
  if (!onRecord() || deleted_[position_]) return false;
  if (!store_->execute("delete from " + table_ + " where id=?", {currentId()})) return false;
  deleted_[position_] = true;
  return true;
}

void Recordset::close() {
  releaseQuery();
  values_.clear();
  deleted_.clear();
  clearPending();
  loaded_ = true;
  position_ = 0;
}

}  // namespace strikepad
