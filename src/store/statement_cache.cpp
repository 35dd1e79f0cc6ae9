#include "store/statement_cache.h"

namespace strikepad {

StatementLease& StatementLease::operator=(StatementLease&& other) noexcept {
  if (this != &other) {
    release();
    slot_ = std::move(other.slot_);
  }
  return *this;
}

void StatementLease::release() {
  if (!slot_) return;
  if (sqlite3_stmt* statement = slot_->statement.get()) {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
  }
  slot_->leased = false;
  slot_.reset();
}

StatementLease StatementCache::lease(sqlite3* db, std::string_view sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) {
    for (const auto& slot : found->second) {
      if (!slot->leased) {
        slot->leased = true;
        return StatementLease(slot);
      }
    }
  }
  StatementHandle statement = prepareStatement(db, sql, SQLITE_PREPARE_PERSISTENT);
  if (!statement) return {};
  auto slot = std::make_shared<CachedStatement>(CachedStatement{std::move(statement), true});
  if (found == statements_.end()) found = statements_.try_emplace(std::string(sql)).first;
  found->second.push_back(slot);
  return StatementLease(std::move(slot));
}

void StatementCache::clear() {
  for (auto& [sql, slots] : statements_)
    for (const auto& slot : slots) slot->statement.reset();
  statements_.clear();
}

}  // namespace strikepad
