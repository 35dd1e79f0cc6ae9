#include "stderr_prompts.h"

namespace strikepad::cli {

void StderrPrompts::notice(const std::string& text) { err_ << text << "\n"; }

void StderrPrompts::warning(const std::string& text) { err_ << text << "\n"; }

bool StderrPrompts::ask(const std::string& text, const std::string&) {
  err_ << text << answer_.note << "\n";
  return answer_.yes;
}

}  // namespace strikepad::cli
