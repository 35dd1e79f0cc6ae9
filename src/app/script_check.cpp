#include "app/script_check.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

#include "combo/combo_block.h"

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

// Enough to show what is wrong without the status line crowding out the script.
constexpr std::size_t kWarningLinesShown = 5;

QString stepCountText(std::size_t steps, bool textIgnored) {
  const auto count = static_cast<int>(steps);
  if (textIgnored)
    return QCoreApplication::translate("ScriptEditor", "%1 steps, all the adapter holds: the text after them is ignored")
        .arg(count);
  if (count == 1) return QCoreApplication::translate("ScriptEditor", "1 step");
  return QCoreApplication::translate("ScriptEditor", "%1 steps").arg(count);
}

}  // namespace

ScriptCheck checkScript(const QString& text) {
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
  } else {
    check.warnings = warningLines(scan.warnings);
  }
  check.block = scan.block;
  check.textIgnored = scan.steps.size() == kStepCount &&
                      !onlyBlanks(std::string_view(bytes).substr(scan.steps.back().end));
  return check;
}

QString statusText(const ScriptCheck& check) {
  if (!check.message.isEmpty()) return check.message;
  const QString count = stepCountText(check.steps.size(), check.textIgnored);
  return check.warnings.isEmpty() ? count : count + u'\n' + check.warnings;
}

QString warningLines(const std::vector<ScriptWarning>& warnings) {
  const bool cut = warnings.size() > kWarningLinesShown;
  const std::size_t shown = cut ? kWarningLinesShown - 1 : warnings.size();
  QStringList lines;
  for (std::size_t i = 0; i < shown; ++i) lines << QString::fromStdString(warnings[i].message);
  if (cut)
    lines << QCoreApplication::translate("ScriptEditor", "and %1 more values outside their range")
                 .arg(warnings.size() - shown);
  return lines.join(u'\n');
}

}  // namespace strikepad
