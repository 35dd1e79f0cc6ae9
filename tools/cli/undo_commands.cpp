// history and undo: the catalogue's history of destructive changes, and taking back the newest.

#include <ctime>
#include <ostream>
#include <string>

#include "catalogue_access.h"
#include "cli.h"
#include "cli_texts.h"
#include "names.h"
#include "operations/history_operations.h"
#include "output.h"

namespace strikepad::cli {
namespace {

// "2026-12-07 13:56" in local time.
std::string localTime(std::int64_t secondsSinceEpoch) {
  const std::time_t time = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace

int runHistory(Context& context) {
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const ChangeList changes = recentChanges(file);
  for (const Change& change : changes.changes)
    context.out << localTime(change.at) << "  " << printableName(describe(change)) << "\n";
  return tell(context, changes);
}

int runUndo(Context& context) {
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const UndoneChange undone = undoNewest(file);
  if (undone.done()) {
    context.out << texts::undone(printableName(describe(undone.change))) << "\n";
    return kDone;
  }
  if (undone.outcome == Outcome::Refused) {
    context.err << shared_texts::undoRefusal(describe(undone.change), undone.reason) << "\n";
    return kRefused;
  }
  return tell(context, undone, texts::kNothingToUndo);
}

}  // namespace strikepad::cli
