#include "store/tables/played_steps_lookup.h"

#include "combo/played_steps.h"
#include "store/sqlite_handles.h"
#include "store/store.h"
#include "store/tables/catalogue_tables.h"

namespace strikepad {

namespace {

constexpr const char* kKeyFunction = "played_steps_key";

ComboBlock blockOf(const void* bytes, int length) {
  return blockFromBytes(static_cast<const std::uint8_t*>(bytes), bytes ? static_cast<std::size_t>(length) : 0);
}

// played_steps_key(data): the key of a stored value as the adapter would receive it; null for null.
void playedStepsKeyOf(sqlite3_context* context, int, sqlite3_value** values) {
  if (sqlite3_value_type(values[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  sqlite3_result_int64(context, static_cast<sqlite3_int64>(playedStepsKey(blockOf(sqlite3_value_blob(values[0]), sqlite3_value_bytes(values[0])))));
}

// Registered once per connection, and only for this program's own statements: a file's
// triggers and views can not call it.
bool ensureKeyFunction(sqlite3* db) {
  const std::string probe = std::string("select ") + kKeyFunction + "(null)";
  if (prepareStatement(db, probe)) return true;
  return sqlite3_create_function_v2(db, kKeyFunction, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY,
                                    nullptr, playedStepsKeyOf, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The combo table is read once, in its own order, and each key looked for among the few given;
// the cross joins keep SQLite from walking the combos character by character instead.
std::string lookupStatement(std::size_t keys) {
  const std::string combo = kComboTable.name, character = kCharacterTable.name, game = kGameTable.name;
  std::string placeholders;
  for (std::size_t key = 0; key < keys; ++key) placeholders += key == 0 ? "?" : ", ?";
  return "select g.id, g.name, r.id, r.name, m.id, m.name, m.data from " + combo + " m cross join " + character +
         " r cross join " + game + " g where " + kKeyFunction + "(m.data) in (" + placeholders + ") and r.id = m." +
         kComboTable.parentColumn + " and g.id = r." + kCharacterTable.parentColumn + " order by g.id, r.id, m.id";
}

std::string textOf(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : std::string();
}

KeyedCombo rowOf(sqlite3_stmt* statement) {
  KeyedCombo row;
  row.gameId = sqlite3_column_int64(statement, 0);
  row.game = textOf(statement, 1);
  row.characterId = sqlite3_column_int64(statement, 2);
  row.character = textOf(statement, 3);
  row.comboId = sqlite3_column_int64(statement, 4);
  row.combo = textOf(statement, 5);
  row.block = blockOf(sqlite3_column_blob(statement, 6), sqlite3_column_bytes(statement, 6));
  return row;
}

}  // namespace

std::optional<std::vector<KeyedCombo>> combosKeyedLike(Store& store, std::span<const ComboBlock> blocks) {
  if (!store.isOpen()) return std::nullopt;
  std::vector<KeyedCombo> found;
  if (blocks.empty()) return found;
  sqlite3* db = store.handle();
  const StatementHandle query = ensureKeyFunction(db) ? prepareStatement(db, lookupStatement(blocks.size())) : nullptr;
  bool bound = query != nullptr;
  for (std::size_t index = 0; bound && index < blocks.size(); ++index)
    bound = sqlite3_bind_int64(query.get(), static_cast<int>(index + 1),
                               static_cast<sqlite3_int64>(playedStepsKey(blocks[index]))) == SQLITE_OK;
  int result = bound ? SQLITE_ROW : SQLITE_ERROR;
  while (bound && (result = sqlite3_step(query.get())) == SQLITE_ROW) found.push_back(rowOf(query.get()));
  if (result != SQLITE_DONE) {
    store.reportLastError();
    return std::nullopt;
  }
  return found;
}

}  // namespace strikepad
