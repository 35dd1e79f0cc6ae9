#include "store/recordset.h"

#include <algorithm>

#include "store/store.h"

namespace strikepad {

Recordset::Recordset(Store& store, std::string table, StatementHandle query)
    : store_(&store), table_(std::move(table)), query_(std::move(query)) {
  const int count = sqlite3_column_count(query_.get());
  columns_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) columns_.emplace_back(sqlite3_column_name(query_.get(), i));
}

void Recordset::load() {
  if (loaded_) return;
  loaded_ = true;
  if (!query_) return;
  const int columnCount = static_cast<int>(columns_.size());
  while (sqlite3_step(query_.get()) == SQLITE_ROW) {
    for (int i = 0; i < columnCount; ++i) values_.push_back(columnValue(query_.get(), i));
    deleted_.push_back(false);
  }
  // The rows are held now; the statement's read lock is not.
  sqlite3_reset(query_.get());
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
  for (auto& [name, pendingValue] : pending_) {
    if (name == field) {
      pendingValue = std::move(value);
      return;
    }
  }
  pending_.emplace_back(std::string(field), std::move(value));
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
  pending_.clear();
}

bool Recordset::update() {
  const bool written = adding_ ? insertPending() : updatePending();
  adding_ = false;
  pending_.clear();
  return written;
}

bool Recordset::insertPending() {
  std::string sql = "insert into " + table_;
  std::vector<FieldValue> params;
  if (pending_.empty()) {
    sql += " default values";
  } else {
    std::string names;
    std::string marks;
    for (const auto& [name, value] : pending_) {
      names += (names.empty() ? "" : ",") + name;
      marks += marks.empty() ? "?" : ",?";
      params.push_back(value);
    }
    sql += "(" + names + ") values(" + marks + ")";
  }
  if (!store_->execute(sql, params)) return false;

  // The added record becomes the current one. A record set that has not read its table
  // yet (opened to add) goes on holding only the records it added.
  loaded_ = true;
  position_ = deleted_.size();
  deleted_.push_back(false);
  values_.resize(values_.size() + columns_.size());
  if (const int id = columnIndex("id"); id >= 0)
    value(position_, id) = static_cast<std::int64_t>(sqlite3_last_insert_rowid(store_->handle()));
  for (auto& [name, pendingValue] : pending_)
    if (const int index = columnIndex(name); index >= 0) value(position_, index) = std::move(pendingValue);
  return true;
}

bool Recordset::updatePending() {
  if (!onRecord() || deleted_[position_]) return pending_.empty();
  if (pending_.empty()) return true;
  std::string assignments;
  std::vector<FieldValue> params;
  for (const auto& [name, value] : pending_) {
    assignments += (assignments.empty() ? "" : ",") + name + "=?";
    params.push_back(value);
  }
  params.emplace_back(currentId());
  if (!store_->execute("update " + table_ + " set " + assignments + " where id=?", params)) return false;
  for (auto& [name, pendingValue] : pending_)
    if (const int index = columnIndex(name); index >= 0) value(position_, index) = std::move(pendingValue);
  return true;
}

bool Recordset::deleteCurrent() {
  if (!onRecord() || deleted_[position_]) return false;
  if (!store_->execute("delete from " + table_ + " where id=?", {currentId()})) return false;
  deleted_[position_] = true;
  return true;
}

void Recordset::close() {
  query_.reset();
  values_.clear();
  deleted_.clear();
  pending_.clear();
  loaded_ = true;
  position_ = 0;
}

}  // namespace strikepad
