// find: the games, characters and combos whose names hold a text, one match a line.

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>

#include "catalogue_access.h"
#include "cli.h"
#include "names.h"
#include "operations/find_operations.h"
#include "output.h"

namespace strikepad::cli {
namespace {

nlohmann::ordered_json record(RecordId id, const std::string& name) { return {{"id", id}, {"name", name}}; }

// {"matches":[{"game":{"id","name"},"character":{"id","name"},"combo":{"id","name"}}]}, the
// levels below the record found left out. Names as list --json writes them.
void printJson(Context& context, const FindResult& found) {
  nlohmann::ordered_json matches = nlohmann::ordered_json::array();
  for (const FoundRecord& match : found.matches) {
    nlohmann::ordered_json entry = {{"game", record(match.path.game, match.game)}};
    if (match.path.character) entry["character"] = record(match.path.character, match.character);
    if (match.path.combo) entry["combo"] = record(match.path.combo, match.combo);
    matches.push_back(std::move(entry));
  }
  const nlohmann::ordered_json document = {{"matches", std::move(matches)}};
  context.out << jsonWithControlsEscaped(document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace))
              << "\n";
}

}  // namespace

int runFind(Context& context) {
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  const FindResult found = findRecords(file, context.args[1]);
  if (!found.done()) return tell(context, found);
  if (context.json) {
    printJson(context, found);
  } else {
    for (const FoundRecord& match : found.matches)
      context.out << matchLine(match, [](std::string_view name) { return printableName(name); }) << "\n";
  }
  // As grep does: the status says whether anything matched.
  return found.matches.empty() ? kRefused : kDone;
}

}  // namespace strikepad::cli
