#include "exchange/export_names.h"

#include <map>

#include "exchange/exchange_messages.h"
#include "exchange/name_field.h"
#include "text/name_fold.h"

namespace strikepad {

namespace {

// The name as an import compares it: read back from its field, case folded.
std::string importKey(const std::string& name) { return foldName(textFromNameField(nameFieldFromText(name).data())); }

// The groups of `siblings` that clash, each as indented lines under its parent's heading.
void appendClashes(std::string& text, const std::string& heading, const std::vector<std::string>& siblings) {
  std::map<std::string, std::vector<const std::string*>> byKey;
  for (const std::string& name : siblings) byKey[importKey(name)].push_back(&name);
  for (const auto& [key, names] : byKey) {
    if (names.size() < 2) continue;
    text += "\n  " + heading + ":";
    for (const std::string* name : names) text += "\n    " + *name;
  }
}

void appendShortened(std::string& text, const std::string& name) {
  const std::string_view fitted = fittedName(name);
  if (fitted.size() < name.size()) text += "\n  " + name + " -> " + std::string(fitted);
}

}  // namespace

const std::string& ExportNames::game(std::string name) { return game_ = std::move(name); }

const std::string& ExportNames::character(std::string name) {
  combos_.emplace_back();
  return characters_.emplace_back(std::move(name));
}

const std::string& ExportNames::combo(std::string name) { return combos_.back().emplace_back(std::move(name)); }

std::string ExportNames::clashes(const std::filesystem::path& file) const {
  std::string groups;
  appendClashes(groups, "characters of " + game_, characters_);
  for (std::size_t i = 0; i < characters_.size(); ++i) appendClashes(groups, "combos of " + characters_[i], combos_[i]);
  return groups.empty() ? groups : messages::withFileName(messages::kNamesClash, file) + groups;
}

std::string ExportNames::shortened(const std::filesystem::path& file) const {
  std::string lines;
  appendShortened(lines, game_);
  for (std::size_t i = 0; i < characters_.size(); ++i) {
    appendShortened(lines, characters_[i]);
    for (const std::string& combo : combos_[i]) appendShortened(lines, combo);
  }
  return lines.empty() ? lines : messages::withFileName(messages::kNamesShortened, file) + lines;
}

}  // namespace strikepad
