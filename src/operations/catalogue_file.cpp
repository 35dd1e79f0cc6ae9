#include "operations/catalogue_file.h"

#include <utility>

#include "store/schema.h"
#include "store/store.h"
#include "store/transaction.h"

namespace strikepad {

CatalogueFile::CatalogueFile(std::filesystem::path path)
    : path_(std::move(path)),
      store_(std::make_unique<Store>(path_, [this](const std::string& report) { report_ = report; })) {}

CatalogueFile::~CatalogueFile() = default;

CatalogueFile::Opened CatalogueFile::open() {
  if (store_->ConnectStore()) return {};
  Opened opened;
  opened.outcome = Outcome::Failed;
  opened.reason = takeReport();
  switch (probeCatalogueFile(path_)) {
    case CatalogueFileState::Missing: opened.problem = Problem::Missing; break;
    case CatalogueFileState::NotACatalogue: opened.problem = Problem::NotACatalogue; break;
    default: opened.problem = Problem::Unusable; break;
  }
  return opened;
}

bool CatalogueFile::isOpen() const { return store_->isOpen(); }

std::string CatalogueFile::takeReport() { return std::exchange(report_, {}); }

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
