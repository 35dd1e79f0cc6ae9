// export and import: the window's exchange-file commands on in-memory lists, with messages
// on stderr. The import's one question (reuse an existing game?) is answered by --yes.

#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue/catalogue_reads.h"
#include "catalogue_session.h"
#include "cli.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_messages.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kExchangeUsage =
    "usage: strikepad-cli export GAME FILE|- | import FILE|- [--yes]   (- is standard output or input)\n";

// The import's one question (reuse an existing game?) is answered as --yes says.
StandingAnswer reuseAnswer(bool yes) {
  return yes ? StandingAnswer{true, " [answered Yes]"} : StandingAnswer{false, " [answered No: --yes reuses the game]"};
}

int exportGame(Context& context) {
  if (context.args.size() != 3) {
    context.err << kExchangeUsage;
    return kBadUsage;
  }
  const std::string& name = context.args[1];
  CatalogueSession session(context);
  if (!session.connect()) return kRefused;
  // Names compare as the catalogue compares them, letter case aside in every script.
  const GameByName game = findGameByName(session.store, name);
  if (game.failed) {
    // After the store's report, as when the export itself cannot read the game.
    session.prompts.notice(std::string(messages::kCanNotFindGameData));
    return kRefused;
  }
  if (!game.id) {
    context.err << "no game named " << name << "\n";
    return kRefused;
  }
  const RecordId gameId = *game.id;
  if (context.args[2] != "-") {
    const ExportResult result = exportGameFile(session.catalogue, gameId, context.args[2]);
    presentNotices(session.prompts, result);
    return result.outcome == ExportOutcome::Exported ? kDone : kRefused;
  }
  const auto exported = exportGameBytes(session.catalogue, gameId, "standard output");
  if (const auto* refused = std::get_if<ExportResult>(&exported)) {
    presentNotices(session.prompts, *refused);
    return kRefused;
  }
  const ExportedGame& file = std::get<ExportedGame>(exported);
  context.out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
  if (!context.out.flush()) return kRefused;  // main tells why
  for (const std::string& notice : file.notices) context.err << notice << "\n";
  return kDone;
}

int importFile(Context& context) {
  const std::vector<std::string> files(context.args.begin() + 1, context.args.end());
  if (files.size() != 1) {
    context.err << kExchangeUsage;
    return kBadUsage;
  }
  CatalogueSession session(context, reuseAnswer(context.yes));
  // The import finds a reused game's entry in the game list, as in the window.
  if (!session.open()) return kRefused;
  const ImportResult result = files.front() == "-" ? importGameStream(session.catalogue, context.in, "standard input")
                                                   : importGameFile(session.catalogue, files.front());
  presentNotices(session.prompts, result);
  switch (result.outcome) {
    case ImportOutcome::Imported:
      return kDone;
    case ImportOutcome::NoGame:
      context.err << files.front() << " holds no game.\n";
      return kRefused;
    default:
      return kRefused;
  }
}

}  // namespace

int runExchange(Context& context) {
  return context.args.front() == "export" ? exportGame(context) : importFile(context);
}

}  // namespace strikepad::cli
