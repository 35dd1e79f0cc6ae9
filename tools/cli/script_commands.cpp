#include <cerrno>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>

#include "cli.h"
#include "cli_texts.h"
#include "combo/script_parser.h"
#include "combo/script_printer.h"
#include "hex.h"
#include "text/file_failure.h"

namespace strikepad::cli {
namespace {

// A script of 45 steps, or a block as hex digits, is a few kilobytes; anything larger is not one,
// and is refused after reading no more than this.
constexpr std::size_t kMaxInputSize = 1 << 20;

// The whole stream; none, after telling the user, when it cannot be read (a folder, an I/O
// error) or is larger than kMaxInputSize. `name` is the input's whole path, or "standard input".
std::optional<std::string> readAll(std::istream& in, std::string_view name, std::ostream& err) {
  errno = 0;
  try {
    // One byte more than allowed tells an input that is too large.
    std::string text(kMaxInputSize + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxInputSize) {
      err << name << " is too large: more than 1 MB\n";
      return std::nullopt;
    }
    if (!in.bad()) return text;
  } catch (const std::ios_base::failure&) {  // libstdc++ throws when the read underneath fails
  }
  const std::error_code reason = systemReason(errno);
  err << "cannot read " << name << (reason ? ": " + reason.message() : std::string()) << "\n";
  return std::nullopt;
}

int parse(Context& context) {
  const std::optional<std::string> text = readInput(context, 2);
  if (!text) return kRefused;
  const ParseResult result = parseScript(*text);
  if (!result.ok()) {
    context.err << result.message << "\n";
    return kRefused;
  }
  for (const ScriptWarning& warning : result.warnings) context.err << warning.message << "\n";
  context.out << hexFromBytes(*result.block) << "\n";
  return kDone;
}

int print(Context& context) {
  const std::optional<std::string> hex =
      context.args.size() == 3 ? context.args[2] : readAll(context.in, "standard input", context.err);
  if (!hex) return kRefused;
  const HexBlock parsed = blockFromHex(*hex);
  if (!parsed.block) {
    context.err << texts::badBlock(parsed.problem) << "\n";
    return kBadUsage;
  }
  context.out << printScript(*parsed.block);
  return kDone;
}

}  // namespace

std::optional<std::string> readInput(Context& context, std::size_t index) {
  if (index >= context.args.size()) return readAll(context.in, "standard input", context.err);
  const std::string& path = context.args[index];
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    context.err << "cannot open " << fileFailure(path, systemReason(errno)) << "\n";
    return std::nullopt;
  }
  return readAll(file, fileFailure(path, {}), context.err);
}

int runScript(Context& context) { return context.args[1] == "parse" ? parse(context) : print(context); }

}  // namespace strikepad::cli
