#pragma once
// What a catalogue file holds beyond what this program makes. A file handed on by someone else
// can hold a trigger that wipes every game when a combo is deleted; such a file is read, but
// never changed.

#include <filesystem>
#include <optional>
#include <string>

#include <sqlite3.h>

namespace strikepad {

// Empty when `db` holds only what this program makes, or less of it (files made before the
// undo history or its indexes). Otherwise one text that names each thing found that could act
// on its own or that the program's tables do not have - a trigger, a view, a virtual table, a
// column, a reference with an action - and how to remove it from `file`. Unknown plain tables
// and indexes are left alone: they cannot act, and an index can at most refuse a write, which
// is reported. nullopt when the schema could not be read (the connection's error tells why).
std::optional<std::string> foreignSchemaReport(sqlite3* db, const std::filesystem::path& file);

}  // namespace strikepad
