#pragma once
// The catalogue's tables, and a new, empty catalogue file.

#include <filesystem>
#include <string>

#include <sqlite3.h>

namespace strikepad {

// True when the connection holds the tables game, role and moves with their fields. On
// false the connection's error tells why (not a database, no such table, ...).
bool hasCatalogueTables(sqlite3* db);

// Creates an empty catalogue at `path`. Never touches an existing file. On failure returns
// false with the reason in `message`, and leaves no file behind.
bool createCatalogue(const std::filesystem::path& path, std::string& message);

}  // namespace strikepad
