#include "command_forms.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <sstream>
#include <string_view>

#include "adapter_session.h"
#include "cli_texts.h"
#include "names.h"

namespace strikepad::cli {
namespace {

// A form split into its words: the fixed words first, then the values, the optional last.
struct Form {
  std::vector<std::string> fixed;
  std::vector<std::string> values;
  std::size_t optional = 0;  // how many of the values, at the end, may be left out
};

Form split(std::string_view form) {
  Form split;
  std::istringstream words{std::string(form)};
  for (std::string word; words >> word;) {
    if (word.front() == '[') {
      split.values.push_back(word.substr(1, word.size() - 2));
      ++split.optional;
    } else if (std::islower(static_cast<unsigned char>(word.front()))) {
      split.fixed.push_back(word);
    } else {
      split.values.push_back(word);
    }
  }
  return split;
}

constexpr std::array<std::string_view, 5> kNameValues{"GAME", "CHARACTER", "COMBO", "NAME", "NEW"};

// What is wrong with the value `word` given for `value`; nothing when it is taken.
std::optional<std::string> valueProblem(std::string_view value, const std::string& word) {
  if (value == "SLOT" && !slotFromText(word)) return std::string(texts::kSlotRange);
  if (std::ranges::find(kNameValues, value) != kNameValues.end())
    if (const auto refusal = nameRefusal(word)) return std::string(*refusal);
  return std::nullopt;
}

// "game, character or combo"
std::string firstWords(const Declaration& command) {
  std::string words;
  for (std::size_t i = 0; i < command.forms.size(); ++i) {
    if (i > 0) words += i + 1 == command.forms.size() ? " or " : ", ";
    words += split(command.forms[i]).fixed.front();
  }
  return words;
}

}  // namespace

FormCheck checkWords(const Declaration& command, const std::vector<std::string>& words) {
  FormCheck check;
  const std::string name(command.name);
  for (const std::string_view text : command.forms) {
    const Form form = split(text);
    if (words.size() < form.fixed.size() || !std::equal(form.fixed.begin(), form.fixed.end(), words.begin())) continue;
    const std::size_t given = words.size() - form.fixed.size();
    const std::size_t required = form.values.size() - form.optional;
    check.shapeWrong = given < required || given > form.values.size();
    if (given < required) check.problems.push_back(texts::missingValue(form.values[given]));
    if (given > form.values.size()) check.problems.push_back(texts::extraWord(words[form.fixed.size() + form.values.size()]));
    if (check.shapeWrong) return check;
    for (std::size_t i = 0; i < given; ++i)
      if (auto problem = valueProblem(form.values[i], words[form.fixed.size() + i])) check.problems.push_back(*problem);
    return check;
  }
  // Only forms that begin with a fixed word can miss.
  check.shapeWrong = true;
  check.problems.push_back(texts::unknownWord(name, words.empty() ? std::string() : words.front(), firstWords(command)));
  return check;
}

std::string usageOf(const Declaration& command) {
  std::string usage;
  for (const std::string_view form : command.forms) {
    usage += usage.empty() ? "usage: " : "       ";
    // Appended piece by piece: GCC 12 warns falsely on a literal + a temporary string at -O3.
    usage.append("strikepad-cli ").append(command.name);
    if (!form.empty()) usage.append(" ").append(form);
    usage += "\n";
  }
  return usage;
}

std::string helpOf(const Declaration& command) {
  std::string help = usageOf(command) + std::string(command.summary) + "\n" + std::string(command.help);
  if (!command.options.empty()) help += "options:\n";
  for (const CommandOption& option : command.options)
    help += "  " + std::string(option.name) + "   " + std::string(option.help) + "\n";
  return help;
}

std::string programUsage() {
  std::string usage(texts::kProgramUsageHead);
  for (const Declaration& command : declarations()) {
    std::string name(command.name);
    name.resize(std::max<std::size_t>(name.size() + 2, 12), ' ');
    usage += "  " + name + std::string(command.summary) + "\n";
  }
  return usage + std::string(texts::kProgramUsageTail);
}

}  // namespace strikepad::cli
