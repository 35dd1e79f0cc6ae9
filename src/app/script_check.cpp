#include "app/script_check.h"

#include <QCoreApplication>
#include <algorithm>
#include <string>

#include "combo/combo_block.h"
#include "combo/edited_block.h"
#include "combo/script_keywords.h"
#include "combo/script_warnings.h"

namespace strikepad {
namespace {

// positionOf[byte offset] = QString position of the character that byte belongs to.
std::vector<int> positionsOfBytes(const QString& text, std::size_t byteCount) {
  std::vector<int> positionOf;
  positionOf.reserve(byteCount + 1);
  for (int i = 0; i < text.size(); ++i) {
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
    const char32_t code = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
    const int bytes = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    positionOf.insert(positionOf.end(), bytes, i);
    if (pair) ++i;
  }
  positionOf.resize(byteCount + 1, static_cast<int>(text.size()));
  return positionOf;
}

bool onlyBlanks(std::string_view text) { return text.find_first_not_of(" \t\v\f\r\n") == std::string_view::npos; }

QString stepCountText(std::size_t steps, bool textIgnored) {
  const auto count = static_cast<int>(steps);
  if (textIgnored)
    return QCoreApplication::translate("ScriptEditor", "%1 steps, all the adapter holds: the text after them is ignored")
        .arg(count);
  if (count == 1) return QCoreApplication::translate("ScriptEditor", "1 step");
  return QCoreApplication::translate("ScriptEditor", "%1 steps").arg(count);
}

// The word as the user wrote it, and the key word it most likely meant.
QString unknownWordText(const std::string& word) {
  constexpr qsizetype kShown = 20;  // a long field would crowd out the status line
  QString shown = QString::fromStdString(word);
  if (shown.size() > kShown) shown = shown.left(kShown) + QStringLiteral("...");
  const std::optional<std::string_view> nearest = nearestKeyword(word);
  if (!nearest) return QCoreApplication::translate("ScriptEditor", "'%1' is not a key word").arg(shown);
  return QCoreApplication::translate("ScriptEditor", "'%1' is not a key word, did you mean '%2'?")
      .arg(shown, QString::fromLatin1(nearest->data(), static_cast<qsizetype>(nearest->size())));
}

}  // namespace

ScriptCheck checkScript(const QString& text, const ComboBlock& original) {
  const std::string bytes = text.toStdString();
  const ScriptScan scan = scanScript(bytes);
  const std::vector<int> positionOf = positionsOfBytes(text, bytes.size());
  const auto span = [&](const ScriptStep& step) {
    return StepSpan{step.line, positionOf[step.begin], positionOf[step.end]};
  };

  ScriptCheck check;
  for (const ScriptStep& step : scan.steps) check.steps.push_back(span(step));
  if (scan.error) {
    check.failing = span(scan.error->step);
    check.message = QString::fromStdString(scan.error->message);
    if (!scan.error->unknownWord.empty()) check.unknownWord = unknownWordText(scan.error->unknownWord);
  } else {
    EditedBlock edited = editedBlock(original, *scan.block);
    check.block = edited.block;
    check.warnings = scan.warnings;
    check.warnings.insert(check.warnings.end(), edited.notes.begin(), edited.notes.end());
    std::stable_sort(check.warnings.begin(), check.warnings.end(),
                     [](const ScriptWarning& a, const ScriptWarning& b) { return a.line < b.line; });
  }
  check.textIgnored = scan.steps.size() == kStepCount &&
                      !onlyBlanks(std::string_view(bytes).substr(scan.steps.back().end));
  return check;
}

QString statusText(const ScriptCheck& check) {
  if (!check.message.isEmpty()) return check.unknownWord.isEmpty() ? check.message : check.message + QStringLiteral(": ") + check.unknownWord;
  const QString count = stepCountText(check.steps.size(), check.textIgnored);
  return check.warnings.empty() ? count : count + u'\n' + QString::fromStdString(warningSummary(check.warnings));
}

}  // namespace strikepad
