#pragma once
// A Prompts that records everything shown and answers from queues. A prompt that the test
// did not prepare an answer for fails the test (and is answered No / cancelled), unless the
// test gave a standing answer for its kind: for code that runs where a test's expectations
// cannot (a forked child) or where no prompt matters.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "flows/prompts.h"

namespace strikepad::testing {

class ScriptedPrompts final : public Prompts {
 public:
  enum class Kind { Notice, Warning, Ask, AskName, OpenFile, SaveFile, EditScript, Title };
  struct Event {
    Kind kind;
    std::string text;     // message, question, name caption, or title
    std::string caption;  // question caption, the name dialog's initial text, or the save dialog's subject
  };

  ~ScriptedPrompts() override;

  // Answers, consumed in order per kind.
  void answerAsk(bool yes) { asks_.push_back([yes] { return yes; }); }
  // The question is answered by running `answer`: for what happens while it is on screen.
  void answerAskBy(std::function<bool()> answer) { asks_.push_back(std::move(answer)); }
  void answerName(std::string name) { names_.push_back(std::move(name)); }
  void answerOpenFile(std::string path) { openFiles_.push_back(std::move(path)); }
  void answerSaveFile(std::string path) { saveFiles_.push_back(std::move(path)); }
  // The editor ends with this block (OK after a successful parse) or, with nullopt, is closed.
  void answerScript(std::optional<ComboBlock> block) {
    scripts_.push_back([block] { return block; });
  }
  // The editor's outcome is the result of running `answer`: for what happens while it is open.
  void answerScriptBy(std::function<std::optional<ComboBlock>()> answer) { scripts_.push_back(std::move(answer)); }
  // Answers every question, or every name dialog, the queue has no answer for.
  void answerEveryAsk(bool yes) { everyAsk_ = yes; }
  void answerEveryName(std::string name) { everyName_ = std::move(name); }

  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  bool ask(const std::string& text, const std::string& caption) override;
  std::string askName(const std::string& caption, const std::string& initial) override;
  std::string chooseOpenFile(const FileFilter& filter) override;
  std::string chooseSaveFile(const FileFilter& filter, const std::string& subject) override;
  bool editScript(ComboBlock& block) override;
  void setTitle(const std::string& title) override;
  // Kept apart from events(): a report interrupts nothing, so it has no place among them.
  void report(const std::string& text) override { reports_.push_back(text); }
  const std::vector<std::string>& reports() const { return reports_; }

  const std::vector<Event>& events() const { return events_; }
  std::vector<std::string> texts(Kind kind) const;
  std::vector<std::string> notices() const { return texts(Kind::Notice); }
  std::vector<std::string> warnings() const { return texts(Kind::Warning); }
  std::vector<std::string> questions() const { return texts(Kind::Ask); }
  std::string title() const { return title_; }
  // Texts of notices, warnings and questions, in the order shown.
  std::vector<std::string> messages() const;
  void clearEvents() { events_.clear(); }

  // The blocks the script editor was opened on, in order.
  std::vector<ComboBlock> scriptsOpened;
  // The last filter passed to a file dialog.
  FileFilter lastFilter;

 private:
  std::vector<Event> events_;
  std::vector<std::string> reports_;
  std::deque<std::function<bool()>> asks_;
  std::deque<std::string> names_;
  std::deque<std::string> openFiles_;
  std::deque<std::string> saveFiles_;
  std::deque<std::function<std::optional<ComboBlock>()>> scripts_;
  std::optional<bool> everyAsk_;
  std::optional<std::string> everyName_;
  std::string title_;
};

}  // namespace strikepad::testing
