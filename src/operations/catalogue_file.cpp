#include "operations/catalogue_file.h"

#include <utility>

#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

CatalogueFile::CatalogueFile(std::filesystem::path path) : path_(std::move(path)), store_(makeStore(path_)) {}

CatalogueFile::~CatalogueFile() = default;

std::unique_ptr<Store> CatalogueFile::makeStore(const std::filesystem::path& path) {
  return std::make_unique<Store>(path, [this](const std::string& report) { report_ = report; });
}

CatalogueFile::Opened CatalogueFile::open() {
  if (store_->ConnectStore()) return {};
  return failedToOpen(path_);
}

CatalogueFile::Opened CatalogueFile::switchTo(std::filesystem::path path) {
  std::unique_ptr<Store> other = makeStore(path);
  if (!other->ConnectStore()) return failedToOpen(path);
  store_ = std::move(other);
  path_ = std::move(path);
  return {};
}

CatalogueFile::Opened CatalogueFile::failedToOpen(const std::filesystem::path& path) {
  Opened opened;
  opened.outcome = Outcome::Failed;
  opened.reason = takeReport();
  switch (probeCatalogueFile(path)) {
    case CatalogueFileState::Missing: opened.problem = Problem::Missing; break;
    case CatalogueFileState::NotACatalogue: opened.problem = Problem::NotACatalogue; break;
    default: opened.problem = Problem::Unusable; break;
  }
  return opened;
}

bool CatalogueFile::isOpen() const { return store_->isOpen(); }

std::string CatalogueFile::takeReport() { return std::exchange(report_, {}); }

std::filesystem::path catalogueFileAt(const std::filesystem::path& folderOrFile) {
  std::error_code unknown;
  if (std::filesystem::is_directory(folderOrFile, unknown)) return folderOrFile / "sp.dat";
  return folderOrFile;
}

Result createCatalogueFile(const std::filesystem::path& path) {
  std::string message;
  if (createCatalogue(path, message)) return {};
  return failed(std::move(message));
}

WriteScope::WriteScope(CatalogueFile& file) : file_(file) {}

WriteScope::~WriteScope() = default;

Result WriteScope::begin() {
  transaction_ = std::make_unique<Transaction>(file_.store());
  if (!transaction_->active()) return file_.storeFailed();
  return {};
}

Result WriteScope::commit() {
  if (transaction_ && !transaction_->commit()) return file_.storeFailed();
  return {};
}

}  // namespace strikepad
