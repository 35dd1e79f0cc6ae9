#include "operations/find_operations.h"

#include <utility>

#include "operations/shared_texts.h"
#include "store/tables/name_search.h"

namespace strikepad {

FindResult findRecords(CatalogueFile& file, const std::string& text, std::size_t limit) {
  FindResult found;
  if (text.empty() || limit == 0) return found;
  // One row past the limit tells whether there are more.
  const std::int64_t rowLimit = limit == kAllMatches ? -1 : static_cast<std::int64_t>(limit) + 1;
  std::optional<std::vector<NameMatchRow>> rows = findNamesContaining(file.store(), text, rowLimit);
  if (!rows) {
    static_cast<Result&>(found) = file.storeFailed();
    return found;
  }
  found.more = rows->size() > limit;
  if (found.more) rows->resize(limit);
  found.matches.reserve(rows->size());
  for (NameMatchRow& row : *rows)
    found.matches.push_back({{static_cast<RecordId>(row.gameId), static_cast<RecordId>(row.characterId),
                              static_cast<RecordId>(row.comboId)},
                             std::move(row.game),
                             std::move(row.character),
                             std::move(row.combo)});
  return found;
}

std::string matchLine(const FoundRecord& match, const std::function<std::string(std::string_view)>& show) {
  const std::string game = show(match.game);
  if (!match.path.character) return shared_texts::recordPathText({game});
  const std::string character = show(match.character);
  if (!match.path.combo) return shared_texts::recordPathText({game, character});
  return shared_texts::recordPathText({game, character, show(match.combo)});
}

}  // namespace strikepad
