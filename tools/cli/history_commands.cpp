// history and undo: the catalogue's history of destructive changes, and taking back the newest.

#include <ctime>
#include <ostream>
#include <string>

#include "catalogue/change_history.h"
#include "catalogue/undo.h"
#include "catalogue_session.h"
#include "cli.h"
#include "names.h"

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

int listHistory(Context& context, CatalogueSession& session) {
  const auto changes = recentChanges(session.store);
  if (!changes) return kRefused;
  for (const Change& change : *changes)
    context.out << localTime(change.at) << "  " << printableName(describe(change)) << "\n";
  return kDone;
}

int undo(Context& context, CatalogueSession& session) {
  const UndoResult undone = undoNewest(session.store);
  switch (undone.kind) {
    case UndoResult::Kind::Undone:
      context.out << "undone: " << printableName(describe(undone.change)) << "\n";
      return kDone;
    case UndoResult::Kind::NothingToUndo:
      context.err << "nothing to undo\n";
      return kRefused;
    case UndoResult::Kind::Refused:
      context.err << refusalText(undone) << "\n";
      return kRefused;
    case UndoResult::Kind::Failed:
      break;
  }
  return kRefused;
}

}  // namespace

int runHistory(Context& context) {
  if (context.args.size() != 1) {
    context.err << "usage: strikepad-cli history | undo\n";
    return kBadUsage;
  }
  CatalogueSession session(context);
  if (!session.connect()) return kRefused;
  return context.args.front() == "history" ? listHistory(context, session) : undo(context, session);
}

}  // namespace strikepad::cli
