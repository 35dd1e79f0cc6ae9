#pragma once
// The exchange commands' prompts on a shell (until the exchange has operations of its own):
// messages go to stderr, and as nobody is there to answer, each question gets the standing
// answer, noted after it.

#include <ostream>
#include <string>
#include <utility>

#include "flows/prompts.h"

namespace strikepad::cli {

struct StandingAnswer {
  bool yes = false;
  std::string note = " [answered No]";
};

class StderrPrompts final : public Prompts {
 public:
  explicit StderrPrompts(std::ostream& err, StandingAnswer answer = {}) : err_(err), answer_(std::move(answer)) {}

  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  bool ask(const std::string& text, const std::string& caption) override;
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&, const std::string&) override { return {}; }
  bool editScript(ComboBlock&) override { return false; }
  void setTitle(const std::string&) override {}
  void report(const std::string&) override {}

 private:
  std::ostream& err_;
  StandingAnswer answer_;
};

}  // namespace strikepad::cli
