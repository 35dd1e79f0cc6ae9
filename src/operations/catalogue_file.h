#pragma once
// The open catalogue the operations work on: one file, opened read-write and never created.
// The window and the command line each make one; only the operations (and the window's list
// fills) reach the store inside it. The window may turn it to another file while it runs.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "operations/outcome.h"

namespace strikepad {

class Store;
class Transaction;

class CatalogueFile {
 public:
  explicit CatalogueFile(std::filesystem::path path);
  ~CatalogueFile();
  CatalogueFile(const CatalogueFile&) = delete;
  CatalogueFile& operator=(const CatalogueFile&) = delete;

  // Why a file did not open, for the front end to say what the user can do about it.
  enum class Problem { None, Missing, NotACatalogue, Unusable };
  struct Opened : Result {
    Problem problem = Problem::None;
  };
  // Failed, with the store error report as the reason, when the file cannot be opened.
  Opened open();
  // Opens the catalogue at `path` in place of this one; the references to this object stay
  // good. When `path` does not open, this one stays as it was (open or not) and the result
  // says why.
  Opened switchTo(std::filesystem::path path);
  bool isOpen() const;
  const std::filesystem::path& path() const { return path_; }

  Store& store() { return *store_; }
  // The store error report of the last failure, taken: an operation that failed on the store
  // returns it as its reason.
  std::string takeReport();
  // A Failed result carrying the last store error report.
  Result storeFailed() { return failed(takeReport()); }

 private:
  std::unique_ptr<Store> makeStore(const std::filesystem::path& path);
  Opened failedToOpen(const std::filesystem::path& path);

  std::filesystem::path path_;
  std::string report_;
  std::unique_ptr<Store> store_;
};

// The catalogue a user names: the file itself, or the sp.dat inside a folder.
std::filesystem::path catalogueFileAt(const std::filesystem::path& folderOrFile);

// Makes `path` a new, empty catalogue; never overwrites a file. Failed with the reason
// (the whole path and the system's words) when it cannot.
Result createCatalogueFile(const std::filesystem::path& path);

// The write lock held from a lookup to the end of the change: the records a command names are
// the ones it changes, and no other program can delete them (or their parents) in between.
class WriteScope {
 public:
  explicit WriteScope(CatalogueFile& file);
  ~WriteScope();
  WriteScope(const WriteScope&) = delete;
  WriteScope& operator=(const WriteScope&) = delete;

  // Failed (the store's report) when the lock could not be taken.
  Result begin();
  // Makes the writes stick; Failed (and undone) when they could not be written.
  Result commit();

 private:
  CatalogueFile& file_;
  std::unique_ptr<Transaction> transaction_;
};

}  // namespace strikepad
