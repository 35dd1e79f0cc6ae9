#include "catalogue_session.h"

#include <ostream>

#include "store/schema.h"

namespace strikepad::cli {

bool CatalogueSession::connect() {
  if (store.ConnectStore()) return true;
  const std::string file = store.path().string();
  const std::string init = file == "sp.dat" ? "strikepad-cli init" : "strikepad-cli init " + file;
  switch (probeCatalogueFile(store.path())) {
    case CatalogueFileState::Missing:
      err << "no catalogue at " << file << "; " << init << " makes an empty one\n";
      break;
    case CatalogueFileState::NotACatalogue:
      err << file << " is not a strikepad catalogue; move it aside, then " << init << " makes an empty one\n";
      break;
    case CatalogueFileState::Unusable:
      break;
  }
  return false;
}

}  // namespace strikepad::cli
