#include "store/transaction.h"

#include "store/store.h"

namespace strikepad {

namespace {
constexpr const char* kSavepoint = "strikepad_nested";
}

Transaction::Transaction(Store& store, Writes writes) : store_(store) {
  if (!store_.isOpen()) return;
  nested_ = sqlite3_get_autocommit(store_.handle()) == 0;
  if (nested_ && writes != Writes::Several) {
    joined_ = active_ = true;
    return;
  }
  if (writes == Writes::None) {
    // Deferred: the first read takes the shared lock that holds the snapshot, nothing more.
    active_ = store_.execute("begin deferred");
    return;
  }
  // The outermost one takes the write lock at once: a transaction that first reads and then
  // asks for the lock could not wait for another program without risking a deadlock.
  active_ = nested_ ? store_.execute(std::string("savepoint ") + kSavepoint)
                    : store_.execute("begin immediate");
  // Checked with the write lock held: no other program can add a trigger before the writes.
  if (active_ && !nested_ && !store_.mayWrite()) rollback();
}

Transaction::~Transaction() {
  if (active_) rollback();
}

bool Transaction::commit() {
  if (!active_) return false;
  if (joined_) {
    active_ = false;
    return true;
  }
  if (store_.execute(nested_ ? std::string("release ") + kSavepoint : std::string("commit"))) {
    active_ = false;
    return true;
  }
  rollback();
  return false;
}

void Transaction::rollback() {
  active_ = false;
  // A failed statement may have ended the whole transaction already, savepoints and all
  // (SQLite does so on a full disk or an I/O error): then nothing is left to undo, and the
  // user hears of the failure once.
  if (joined_ || sqlite3_get_autocommit(store_.handle()) != 0) return;
  if (nested_) {
    store_.execute(std::string("rollback to ") + kSavepoint);
    store_.execute(std::string("release ") + kSavepoint);
  } else {
    store_.execute("rollback");
  }
}

}  // namespace strikepad
