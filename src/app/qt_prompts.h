#pragma once
// What the commands ask of and show to the user, as message boxes and dialogs owned by the
// main window.

#include <QPointer>
#include <QWidget>

#include "catalogue/prompts.h"

namespace strikepad {

class QtPrompts final : public Prompts {
 public:
  explicit QtPrompts(QWidget& window) : window_(&window) {}

  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  bool ask(const std::string& text, const std::string& caption = {}) override;
  std::string askName(const std::string& caption, const std::string& initial) override;
  std::string chooseOpenFile(const FileFilter& filter) override;
  std::string chooseSaveFile(const FileFilter& filter) override;
  bool editScript(ComboBlock& block) override;
  void setTitle(const std::string& title) override;

 private:
  QPointer<QWidget> window_;
};

// "Description(*.EXT)|*.EXT|...||" as a Qt file dialog filter: "Description(*.EXT);;...".
QString toQtFileFilter(const std::string& filter);

}  // namespace strikepad
