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
      : prompts(context.err, std::move(answer)),
        store(context.catalogue),
        catalogue(store, prompts, {games, characters, combos}) {}

  // Opens the file and fills the game list (which cascades to the lists below), as the window does.
  bool open() {
    if (!store.ConnectStore()) return false;
    catalogue.FillGameList();
    return true;
  }

  StderrPrompts prompts;
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
};

}  // namespace strikepad::cli
