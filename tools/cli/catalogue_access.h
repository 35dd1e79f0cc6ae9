#pragma once
// The catalogue the command line names, opened for one command.

#include <utility>

#include "cli.h"
#include "operations/catalogue_file.h"
#include "output.h"

namespace strikepad::cli {

// Opens `file`; false after saying why, and how to make a catalogue where there is none.
bool openCatalogue(Context& context, CatalogueFile& file);

// Opens the catalogue and runs `change(file)` (an exit status) inside one WriteScope: the
// names it looks up are the records it changes. What it did sticks only when it is done.
template <typename Change>
int changeInWriteScope(Context& context, Change&& change) {
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  WriteScope scope(file);
  if (const Result begun = scope.begin(); !begun.done()) return tell(context, begun);
  const int status = std::forward<Change>(change)(file);
  if (status != kDone) return status;
  return tell(context, scope.commit());
}

}  // namespace strikepad::cli
