#pragma once
// All the writes of one operation, or none of them: begun on construction, undone on
// destruction unless committed. Inside another transaction it becomes a savepoint, so a
// cascade can run inside an import and still be undone on its own.

#include <string>

namespace strikepad {

class Store;

class Transaction {
 public:
  explicit Transaction(Store& store);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // False when the transaction could not begin (the store error report has been shown, or
  // the store is not open); the operation is then to write nothing.
  bool active() const { return active_; }
  // Makes the writes stick. False (after the report) when they could not be written; they
  // are then undone.
  bool commit();

 private:
  void rollback();

  Store& store_;
  bool nested_ = false;
  bool active_ = false;
};

}  // namespace strikepad
