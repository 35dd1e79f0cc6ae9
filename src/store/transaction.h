#pragma once
// All the writes of one operation, or none of them: begun on construction, undone on
// destruction unless committed. Inside another transaction it becomes a savepoint, so a
// cascade can run inside an import and still be undone on its own.

#include <string>

namespace strikepad {

class Store;

class Transaction {
 public:
  // Work that writes at most one statement needs no savepoint inside another transaction:
  // the outer one holds the write lock already, and a failed statement undoes itself.
  // Work that only reads takes no write lock: it sees one snapshot of the file while other
  // programs go on writing, and inside another transaction it reads that one's.
  enum class Writes { Several, OneStatement, None };

  explicit Transaction(Store& store, Writes writes = Writes::Several);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // False when the transaction could not begin (the store error report has been shown, or
  // the store is not open); the operation is then to write nothing. A transaction that writes
  // begins only on a file that holds nothing this program did not make (Store::mayWrite), so
  // every write of the catalogue runs in one.
  bool active() const { return active_; }
  // Makes the writes stick. False (after the report) when they could not be written; they
  // are then undone.
  bool commit();

 private:
  void rollback();

  Store& store_;
  bool nested_ = false;
  // Nested one-statement work: begins, commits and undoes nothing of its own.
  bool joined_ = false;
  bool active_ = false;
};

}  // namespace strikepad
