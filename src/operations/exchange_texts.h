#pragma once
// What an import or an export came to, in the exchange's texts: the notices both front ends
// show, in the order they are shown (none when there is nothing to tell). A store failure's
// report is the result's reason, which each front end shows its own way before these.

#include <filesystem>
#include <string>
#include <vector>

#include "operations/exchange_operations.h"

namespace strikepad {

// `file` is the path the user gave (or "standard output"), named in the notices.
std::vector<std::string> exportNotices(const ExportResult& result, const std::filesystem::path& file);
// `file` is the path the user gave (or "standard input"). A NeedsConfirmation has no notice:
// it is a question.
std::vector<std::string> importNotices(const ImportResult& result, const std::filesystem::path& file);

}  // namespace strikepad
