#pragma once
// The commands' prompts on a shell: messages go to stderr, and as nobody is there to answer,
// each question gets the standing answer, noted after it.

#include <ostream>
#include <string>
#include <utility>

#include "catalogue/prompts.h"

namespace strikepad::cli {

struct StandingAnswer {
  bool yes = false;
  std::string note = " [answered No]";
};

class StderrPrompts final : public Prompts {
 public:
  // `source` (the catalogue file) begins each store error report, so the user knows which file failed.
  explicit StderrPrompts(std::ostream& err, StandingAnswer answer = {}, std::string source = {})
      : err_(err), answer_(std::move(answer)), source_(std::move(source)) {}

  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  bool ask(const std::string& text, const std::string& caption) override;
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const FileFilter&) override { return {}; }
  std::string chooseSaveFile(const FileFilter&, const std::string&) override { return {}; }
  bool editScript(ComboBlock&) override { return false; }
  void setTitle(const std::string&) override {}

 private:
  std::ostream& err_;
  StandingAnswer answer_;
  std::string source_;
};

}  // namespace strikepad::cli
