#pragma once
// The open catalogue, with its entries selected by name, as a user selects them in the window.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue_session.h"
#include "cli.h"
#include "store/transaction.h"

namespace strikepad::cli {

// The open catalogue, with its entries selected by name.
class SelectingSession {
 public:
  // `answer` answers the questions the command's operation asks on the way.
  explicit SelectingSession(Context& context, StandingAnswer answer = {})
      : context_(context), session_(context, std::move(answer)) {}

  // Opens the catalogue and fills the lists the names are looked up in. A command that writes
  // does so inside one transaction, which holds the write lock from the lookup to the end of
  // the operation: the records it names are the ones it changes, and no other program can
  // delete them (or their parents) in between.
  bool open(bool writes) {
    if (!session_.connect()) return false;
    if (writes) {
      transaction_.emplace(session_.store);
      if (!transaction_->active()) return false;
    }
    session_.catalogue.FillGameList();
    return true;
  }
  // Makes the command's writes stick; false (after the store report) when they could not be.
  bool commit() { return !transaction_ || transaction_->commit(); }

  // Selects the game (then character, then combo) of that name, refilling the lists below.
  // The name must match a whole entry, compared as the store compares names.
  std::optional<RecordId> selectGame(const std::string& name) {
    if (!select(session_.games, name, "game")) return std::nullopt;
    session_.catalogue.FillCharacterList();
    return session_.games.selectedId();
  }
  std::optional<RecordId> selectCharacter(const std::string& game, const std::string& name) {
    if (!selectGame(game) || !select(session_.characters, name, "character")) return std::nullopt;
    session_.catalogue.FillComboList();
    return session_.characters.selectedId();
  }
  std::optional<RecordId> selectCombo(const std::string& game, const std::string& character, const std::string& name) {
    if (!selectCharacter(game, character) || !select(session_.combos, name, "combo")) return std::nullopt;
    return session_.combos.selectedId();
  }

  Catalogue& catalogue() { return session_.catalogue; }
  Store& store() { return session_.store; }

 private:
  // Selects the entry of that name, or tells that there is none.
  bool select(PickList& list, const std::string& name, std::string_view what);

  Context& context_;
  CatalogueSession session_;
  // Ends before the store it runs on closes.
  std::optional<Transaction> transaction_;
};

}  // namespace strikepad::cli
