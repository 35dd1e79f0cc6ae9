#include "scripted_prompts.h"

#include <gtest/gtest.h>

namespace strikepad::testing {

namespace {

template <typename T>
std::optional<T> take(std::deque<T>& queue, const std::string& what) {
  if (queue.empty()) {
    ADD_FAILURE() << "unexpected prompt: " << what;
    return std::nullopt;
  }
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace

ScriptedPrompts::~ScriptedPrompts() {
  EXPECT_TRUE(asks_.empty()) << asks_.size() << " prepared answer(s) to questions not asked";
  EXPECT_TRUE(names_.empty()) << names_.size() << " prepared name(s) not asked for";
  EXPECT_TRUE(openFiles_.empty() && saveFiles_.empty()) << "prepared file choices not asked for";
  EXPECT_TRUE(scripts_.empty()) << scripts_.size() << " prepared script(s) not asked for";
}

void ScriptedPrompts::notice(const std::string& text) { events_.push_back({Kind::Notice, text, {}}); }

void ScriptedPrompts::warning(const std::string& text) { events_.push_back({Kind::Warning, text, {}}); }

bool ScriptedPrompts::ask(const std::string& text, const std::string& caption) {
  events_.push_back({Kind::Ask, text, caption});
  if (asks_.empty() && everyAsk_) return *everyAsk_;
  const auto answer = take(asks_, "question \"" + text + "\"");
  return answer && (*answer)();
}

std::string ScriptedPrompts::askName(const std::string& caption, const std::string& initial) {
  events_.push_back({Kind::AskName, caption, initial});
  if (names_.empty() && everyName_) return *everyName_;
  return take(names_, "name input \"" + caption + "\"").value_or(std::string{});
}

std::string ScriptedPrompts::chooseOpenFile(const FileFilter& filter) {
  lastFilter = filter;
  events_.push_back({Kind::OpenFile, filter.filter, filter.defaultExtension});
  return take(openFiles_, "open-file dialog").value_or(std::string{});
}

std::string ScriptedPrompts::chooseSaveFile(const FileFilter& filter, const std::string& subject) {
  lastFilter = filter;
  events_.push_back({Kind::SaveFile, filter.filter, subject});
  return take(saveFiles_, "save-file dialog").value_or(std::string{});
}

bool ScriptedPrompts::editScript(ComboBlock& block) {
  events_.push_back({Kind::EditScript, {}, {}});
  scriptsOpened.push_back(block);
  const auto answer = take(scripts_, "script editor");
  const std::optional<ComboBlock> accepted = answer ? (*answer)() : std::nullopt;
  if (accepted) block = *accepted;
  return accepted.has_value();
}

void ScriptedPrompts::setTitle(const std::string& title) {
  title_ = title;
  events_.push_back({Kind::Title, title, {}});
}

std::vector<std::string> ScriptedPrompts::texts(Kind kind) const {
  std::vector<std::string> result;
  for (const auto& event : events_)
    if (event.kind == kind) result.push_back(event.text);
  return result;
}

std::vector<std::string> ScriptedPrompts::messages() const {
  std::vector<std::string> result;
  for (const auto& event : events_)
    if (event.kind == Kind::Notice || event.kind == Kind::Warning || event.kind == Kind::Ask)
      result.push_back(event.text);
  return result;
}

}  // namespace strikepad::testing
