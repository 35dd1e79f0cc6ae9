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
    Row row;
    row.values.reserve(columns_.size());
    for (int i = 0; i < columnCount; ++i) row.values.push_back(columnValue(query_.get(), i));
    rows_.push_back(std::move(row));
  }
  // The rows are held now; the statement's read lock is not.
  sqlite3_reset(query_.get());
}

bool Recordset::atEnd() {
  load();
  return position_ >= rows_.size();
}

void Recordset::moveNext() {
  load();
  if (position_ < rows_.size()) ++position_;
}

std::size_t Recordset::recordCount() {
  load();
  return rows_.size();
}

Recordset::Row* Recordset::current() {
  load();
  return position_ < rows_.size() ? &rows_[position_] : nullptr;
}

int Recordset::columnIndex(std::string_view field) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i] == field) return static_cast<int>(i);
  return -1;
}

FieldValue Recordset::collect(std::string_view field) {
  const int index = columnIndex(field);
  const Row* row = current();
  if (index < 0 || row == nullptr) return std::monostate{};
  return row->values[static_cast<std::size_t>(index)];
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
  const FieldValue value = collect(field);
  if (const auto* bytes = std::get_if<Bytes>(&value)) return bytes->size();
  if (const auto* text = std::get_if<std::string>(&value)) return text->size();
  return 0;
}

Bytes Recordset::getChunk(std::string_view field, std::size_t count) {
  const FieldValue value = collect(field);
  const auto* bytes = std::get_if<Bytes>(&value);
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
  Row row;
  row.values.resize(columns_.size());
  if (const int id = columnIndex("id"); id >= 0)
    row.values[static_cast<std::size_t>(id)] = static_cast<std::int64_t>(sqlite3_last_insert_rowid(store_->handle()));
  for (auto& [name, value] : pending_)
    if (const int index = columnIndex(name); index >= 0) row.values[static_cast<std::size_t>(index)] = std::move(value);
  rows_.push_back(std::move(row));
  position_ = rows_.size() - 1;
  return true;
}

bool Recordset::updatePending() {
  Row* row = current();
  if (row == nullptr || row->deleted) return pending_.empty();
  if (pending_.empty()) return true;
  std::string assignments;
  std::vector<FieldValue> params;
  for (const auto& [name, value] : pending_) {
    assignments += (assignments.empty() ? "" : ",") + name + "=?";
    params.push_back(value);
  }
  params.emplace_back(currentId());
  if (!store_->execute("update " + table_ + " set " + assignments + " where id=?", params)) return false;
  for (auto& [name, value] : pending_)
    if (const int index = columnIndex(name); index >= 0) row->values[static_cast<std::size_t>(index)] = std::move(value);
  return true;
}

bool Recordset::deleteCurrent() {
  Row* row = current();
  if (row == nullptr || row->deleted) return false;
  if (!store_->execute("delete from " + table_ + " where id=?", {currentId()})) return false;
  row->deleted = true;
  return true;
}

void Recordset::close() {
  query_.reset();
  rows_.clear();
  pending_.clear();
  loaded_ = true;
  position_ = 0;
}

}  // namespace strikepad
