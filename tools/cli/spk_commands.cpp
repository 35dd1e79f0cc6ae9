// export and import: a game to or from an .SPK exchange file. The exchange's own commands
// still take the window's Catalogue (with lists it fills and a Prompts it asks), so these two
// make one over the open catalogue file until the exchange has operations of its own. The
// import's one question (reuse an existing game?) is answered by --yes.

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "flows/catalogue_flows.h"
#include "catalogue_access.h"
#include "cli.h"
#include "cli_texts.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"
#include "operations/lookup.h"
#include "output.h"
#include "stderr_prompts.h"

namespace strikepad::cli {
namespace {

// The window's Catalogue over the open file, for the exchange's commands.
struct ExchangeCatalogue {
  ExchangeCatalogue(CatalogueFile& file, Context& context, StandingAnswer answer = {})
      : file(file), context(context), prompts(context.err, std::move(answer)),
        catalogue(file, prompts, {games, characters, combos}) {}

  // The exit status of an exchange command, after the store's report (when it failed) and the
  // result's notices.
  template <typename Outcome>
  int told(const ExchangeResult<Outcome>& result, bool done) {
    if (const std::string report = file.takeReport(); !report.empty())
      context.err << context.catalogue.string() << ": " << report << "\n";
    presentNotices(prompts, result);
    return done ? kDone : kRefused;
  }

  CatalogueFile& file;
  Context& context;
  StderrPrompts prompts;
  VectorPickList games, characters, combos;
  Catalogue catalogue;
};

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
  ExchangeCatalogue exchange(file, context);
  if (target != "-") {
    const ExportResult result = exportGameFile(exchange.catalogue, game.path.game, target);
    return exchange.told(result, result.outcome == ExportOutcome::Exported);
  }
  const auto exported = exportGameBytes(exchange.catalogue, game.path.game, "standard output");
  if (const auto* refused = std::get_if<ExportResult>(&exported)) return exchange.told(*refused, false);
  const ExportedGame& bytes = std::get<ExportedGame>(exported);
  context.out.write(reinterpret_cast<const char*>(bytes.bytes.data()), static_cast<std::streamsize>(bytes.bytes.size()));
  if (!context.out.flush()) return kRefused;  // main tells why
  for (const std::string& notice : bytes.notices) context.err << notice << "\n";
  return kDone;
}

int runImport(Context& context) {
  const std::string& source = context.args[1];
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const StandingAnswer reuse{context.yes, std::string(context.yes ? texts::kAnsweredYes : texts::kAnsweredNo)};
  ExchangeCatalogue exchange(file, context, reuse);
  const ImportResult result = source == "-" ? importGameStream(exchange.catalogue, context.in, "standard input")
                                            : importGameFile(exchange.catalogue, source);
  const int status = exchange.told(result, result.outcome == ImportOutcome::Imported);
  if (result.outcome == ImportOutcome::NoGame) context.err << texts::holdsNoGame(source) << "\n";
  return status;
}

}  // namespace strikepad::cli
