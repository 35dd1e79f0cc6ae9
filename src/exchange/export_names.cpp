#include "exchange/export_names.h"

#include <map>
#include <vector>

#include "exchange/exchange_messages.h"
#include "exchange/name_field.h"
#include "text/name_fold.h"

namespace strikepad {

namespace {

// The name as an import compares it: read back from its field, case folded.
std::string importKey(const std::string& name) { return foldName(textFromNameField(nameFieldFromText(name).data())); }

// The groups of `siblings` that clash, each as indented lines under its parent's heading.
template <typename Record>
void appendClashes(std::string& text, const std::string& heading, const std::vector<Record>& siblings) {
  std::map<std::string, std::vector<const std::string*>> byKey;
  for (const Record& record : siblings) byKey[importKey(record.name)].push_back(&record.name);
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

std::string ExportNames::clashes(const std::filesystem::path& file) const {
  std::string groups;
  appendClashes(groups, "characters of " + game_.name, game_.characters);
  for (const SpkCharacter& character : game_.characters)
    appendClashes(groups, "combos of " + character.name, character.combos);
  return groups.empty() ? groups : messages::withFileName(messages::kNamesClash, file) + groups;
}

std::string ExportNames::shortened(const std::filesystem::path& file) const {
  std::string lines;
  appendShortened(lines, game_.name);
  for (const SpkCharacter& character : game_.characters) {
    appendShortened(lines, character.name);
    for (const SpkCombo& combo : character.combos) appendShortened(lines, combo.name);
  }
  return lines.empty() ? lines : messages::withFileName(messages::kNamesShortened, file) + lines;
}

}  // namespace strikepad
