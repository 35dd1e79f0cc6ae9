// export and import: the window's exchange-file commands on in-memory lists, with messages
// on stderr. The import's one question (reuse an existing game?) is answered by --yes.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "cli.h"
#include "exchange/exchange_commands.h"
#include "store/store.h"

namespace strikepad::cli {
namespace {

constexpr std::string_view kExchangeUsage = "usage: strikepad-cli export GAME FILE | import FILE [--yes]\n";

class ExchangePrompts final : public Prompts {
 public:
  ExchangePrompts(std::ostream& err, bool yes) : err_(err), yes_(yes) {}

  void notice(const std::string& text) override { err_ << text << "\n"; }
  void warning(const std::string& text) override { err_ << text << "\n"; }
  bool ask(const std::string& text, const std::string&) override {
    err_ << text << (yes_ ? " [answered Yes]\n" : " [answered No: --yes reuses the game]\n");
    return yes_;
  }
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&) override { return {}; }
  void editScript(ComboBlock&) override {}
  void setTitle(const std::string&) override {}

 private:
  std::ostream& err_;
  bool yes_;
};

// The catalogue file with the window's three lists, held in memory.
struct Session {
  Session(Context& context, bool yes)
      : prompts(context.err, yes), store(context.catalogue), catalogue(store, prompts, {games, characters, combos}) {}

  ExchangePrompts prompts;
  VectorPickList games, characters, combos;
  Store store;
  Catalogue catalogue;
};

int exportGame(Context& context) {
  if (context.args.size() != 3) {
    context.err << kExchangeUsage;
    return kBadUsage;
  }
  const std::string& name = context.args[1];
  Session session(context, false);
  if (!session.store.ConnectStore()) return kRefused;
  // Names compare as the store compares them, without regard to letter case.
  auto game = session.store.OpenRecordset("game", "name=?", {name});
  if (!game) return kRefused;
  if (game->atEnd()) {
    context.err << "no game named " << name << "\n";
    return kRefused;
  }
  return ExportGameFile(session.catalogue, game->integer("id"), context.args[2]) == ExportOutcome::Exported
             ? kDone
             : kRefused;
}

int importFile(Context& context) {
  std::vector<std::string> files;
  bool yes = false;
  for (std::size_t i = 1; i < context.args.size(); ++i) {
    if (context.args[i] == "--yes") {
      yes = true;
    } else {
      files.push_back(context.args[i]);
    }
  }
  if (files.size() != 1) {
    context.err << kExchangeUsage;
    return kBadUsage;
  }
  Session session(context, yes);
  if (!session.store.ConnectStore()) return kRefused;
  // The import finds a reused game's entry in the game list, as in the window.
  session.catalogue.FillGameList();
  switch (ImportGameFile(session.catalogue, files.front())) {
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
