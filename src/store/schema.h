#pragma once
// The catalogue's tables, and a new, empty catalogue file.

#include <filesystem>
#include <string>

#include <sqlite3.h>

namespace strikepad {

// True when the connection holds the tables game, role and moves with their fields. On
// false the connection's error tells why (not a database, no such table, ...).
bool hasCatalogueTables(sqlite3* db);

// Makes the catalogue's tables and indexes on an empty database. False when it could not (the
// connection's error tells why).
bool createCatalogueTables(sqlite3* db);

// What stands at a path the store could not open as a catalogue, so the user can be told
// what to do about it.
enum class CatalogueFileState {
  Missing,        // nothing there
  NotACatalogue,  // a file, but not a database, or one without the catalogue's tables
  Unusable,       // a catalogue that cannot be used now (locked, damaged, not readable)
};
CatalogueFileState probeCatalogueFile(const std::filesystem::path& path);

// Creates an empty catalogue at `path`. Never touches an existing file, and refuses names
// SQLite treats specially (":memory:", "file:" URIs). On failure returns false with the
// reason in `message`, and leaves no file behind.
bool createCatalogue(const std::filesystem::path& path, std::string& message);

}  // namespace strikepad
