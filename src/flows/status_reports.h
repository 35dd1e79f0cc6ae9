#pragma once
// What the window's status line says once a command has done its work. These never replace a
// message of the command's own; they only confirm what happened.

#include <cstddef>
#include <filesystem>
#include <string>

namespace strikepad::status_reports {

// "1 character", "3 combos".
inline std::string counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// `port` is the slot as the user counts it, 1 to 5.
inline std::string downloaded(const std::string& combo, int port) {
  return combo + " downloaded to slot " + std::to_string(port);
}
inline std::string reloaded(const std::string& combo, int port) {
  return "slot " + std::to_string(port) + " read into " + combo;
}
inline std::string captured(const std::string& combo, int port) {
  return "slot " + std::to_string(port) + " read into the new combo " + combo;
}

inline std::string copied(const std::string& combo) { return combo + " copied"; }
inline std::string pasted(const std::string& combo) { return "pasted as " + combo; }

// "Street Fighter IV exported to /home/u/Street Fighter IV.SPK (2 characters, 3 combos)"
inline std::string exported(const std::string& game, const std::filesystem::path& file, std::size_t characters,
                            std::size_t combos) {
  return game + " exported to " + std::filesystem::absolute(file).string() + " (" +
         counted(characters, "character", "characters") + ", " + counted(combos, "combo", "combos") + ")";
}
// "imported 12 combos and 2 characters into Street Fighter IV from /home/u/sf4.SPK"
inline std::string imported(const std::string& game, const std::filesystem::path& file, std::size_t characters,
                            std::size_t combos) {
  return "imported " + counted(combos, "combo", "combos") + " and " + counted(characters, "character", "characters") +
         " into " + game + " from " + std::filesystem::absolute(file).string();
}

}  // namespace strikepad::status_reports
