#include "catalogue_access.h"

#include <ostream>

#include "cli_texts.h"

namespace strikepad::cli {

bool openCatalogue(Context& context, CatalogueFile& file) {
  const CatalogueFile::Opened opened = file.open();
  if (opened.done()) return true;
  tell(context, opened);
  const std::string path = context.catalogue.string();
  switch (opened.problem) {
    case CatalogueFile::Problem::Missing: context.err << texts::noCatalogue(path) << "\n"; break;
    case CatalogueFile::Problem::NotACatalogue: context.err << texts::notACatalogue(path) << "\n"; break;
    default: break;
  }
  return false;
}

}  // namespace strikepad::cli
