// export and import: a game to or from an .SPK exchange file, on the exchange operations. The
// import's one question (reuse an existing game?) is answered by --yes.

#include <ostream>
#include <string>
#include <vector>

#include "catalogue_access.h"
#include "cli.h"
#include "cli_texts.h"
#include "exchange/exchange_messages.h"
#include "operations/exchange_operations.h"
#include "operations/exchange_texts.h"
#include "operations/shared_texts.h"
#include "operations/lookup.h"
#include "output.h"

namespace strikepad::cli {
namespace {

// The exit status of an exchange command, after the store's report (when it failed) and the
// notices.
int told(Context& context, CatalogueFile& file, const std::string& reason, bool storeFailed,
         const std::vector<std::string>& notices, bool done) {
  std::string report = file.takeReport();
  if (storeFailed) report = reason;
  if (!report.empty()) context.err << context.catalogue.string() << ": " << report << "\n";
  for (const std::string& notice : notices) context.err << notice << "\n";
  return done ? kDone : kRefused;
}

}  // namespace

int runExport(Context& context) {
  const std::string& name = context.args[1];
  const std::string& target = context.args[2];
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  // Names compare as the catalogue compares them, letter case aside in every script.
  const LookupResult game = findGame(file, name);
  if (game.outcome == Outcome::Failed) {
    // After the store's report, as when the export itself cannot read the game.
    tell(context, game);
    context.err << messages::kCanNotFindGameData << "\n";
    return kRefused;
  }
  if (!game.done()) return tell(context, game);
  const std::filesystem::path named = target == "-" ? std::filesystem::path("standard output") : std::filesystem::path(target);
  const ExportResult result = target == "-" ? exportGameBytes(file, game.path.game, named)
                                            : exportGameFile(file, game.path.game, target);
  const bool storeFailed = result.problem == ExportProblem::StoreFailed;
  if (!result.done() || target != "-")
    return told(context, file, result.reason, storeFailed, exportNotices(result, named), result.done());
  context.out.write(reinterpret_cast<const char*>(result.bytes.data()), static_cast<std::streamsize>(result.bytes.size()));
  if (!context.out.flush()) return kRefused;  // main tells why
  return told(context, file, {}, false, exportNotices(result, named), true);
}

int runImport(Context& context) {
  const std::string& source = context.args[1];
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const Confirmation reuse = context.yes ? Confirmation::Given : Confirmation::NotGiven;
  const std::filesystem::path named = source == "-" ? std::filesystem::path("standard input") : std::filesystem::path(source);
  const ImportResult result =
      source == "-" ? importGameStream(file, context.in, reuse) : importGameFile(file, source, reuse);
  // The question the window asks, with the standing answer after it.
  if (result.outcome == Outcome::NeedsConfirmation || result.reusedGame)
    context.err << shared_texts::kReuseGameQuestion << (result.reusedGame ? texts::kAnsweredYes : texts::kAnsweredNo)
                << "\n";
  const int status = told(context, file, result.reason, result.problem == ImportProblem::StoreFailed,
                          importNotices(result, named), result.done());
  if (result.problem == ImportProblem::NoGame) context.err << texts::holdsNoGame(source) << "\n";
  return status;
}

}  // namespace strikepad::cli
