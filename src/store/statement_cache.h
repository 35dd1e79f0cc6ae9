#pragma once
// Prepared statements kept for the life of a connection and handed out again by their SQL
// text, so the same query or write costs one parse per connection, not one per call.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/sqlite_handles.h"

namespace strikepad {

// One cached statement; `leased` while someone is stepping it.
struct CachedStatement {
  StatementHandle statement;
  bool leased = false;
};

// A statement borrowed from the cache. Giving it back (release or destruction) resets it and
// clears its bindings, so it holds no read lock and no pointer into the borrower's values.
// Once the cache is cleared the lease holds nothing: get() is null.
class StatementLease {
 public:
  StatementLease() = default;
  explicit StatementLease(std::shared_ptr<CachedStatement> slot) : slot_(std::move(slot)) {}
  ~StatementLease() { release(); }
  StatementLease(StatementLease&&) noexcept = default;
  StatementLease& operator=(StatementLease&& other) noexcept;

  sqlite3_stmt* get() const { return slot_ ? slot_->statement.get() : nullptr; }
  explicit operator bool() const { return get() != nullptr; }
  void release();

 private:
  // Shared, so a lease that outlives the cache still points at valid (if empty) memory.
  std::shared_ptr<CachedStatement> slot_;
};

class StatementCache {
 public:
  StatementCache() = default;
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;
  ~StatementCache() { clear(); }

  // A free statement for `sql`, prepared on `db` when every cached one for it is leased (a
  // record set still open on the same query). Empty when `sql` cannot be prepared; the
  // connection's error then says why.
  StatementLease lease(sqlite3* db, std::string_view sql);

  // Finalizes every statement, leased ones too. Must run before the connection closes.
  void clear();

 private:
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  std::unordered_map<std::string, std::vector<std::shared_ptr<CachedStatement>>, TextHash, std::equal_to<>>
      statements_;
};

}  // namespace strikepad
