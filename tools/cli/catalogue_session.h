#pragma once
// The catalogue file with the window's three lists, held in memory, and prompts on stderr.

#include <utility>

#include "catalogue/catalogue.h"
#include "cli.h"
#include "stderr_prompts.h"
#include "store/store.h"

namespace strikepad::cli {

struct CatalogueSession {
  explicit CatalogueSession(Context& context, StandingAnswer answer = {})
      : err(context.err),
        prompts(context.err, std::move(answer), context.catalogue.string()),
        store(context.catalogue, [this](const std::string& report) { prompts.warning(report); }),
        catalogue(store, prompts, {games, characters, combos}) {}

  // Opens the file; when it cannot, says what the user can do about it.
  bool connect();
  // Opens the file and fills the game list (which cascades to the lists below), as the window does.
  bool open() {
    if (!connect()) return false;
    catalogue.FillGameList();
    return true;
  }

  std::ostream& err;
  StderrPrompts prompts;
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
};

}  // namespace strikepad::cli
