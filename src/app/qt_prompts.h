#pragma once
// What the commands ask of and show to the user, as message boxes and dialogs owned by the
// main window.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "flows/prompts.h"

namespace strikepad {

// The folder the file dialogs start in: the one a file was last chosen in during this run,
// otherwise the user's home folder. Nothing of it is kept between runs.
class FileDialogFolder {
 public:
  QString start() const;
  void remember(const QString& chosenFile);

 private:
  QString folder_;
};

class QtPrompts final : public Prompts {
 public:
  explicit QtPrompts(QWidget& window) : window_(&window) {}

  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  bool ask(const std::string& text, const std::string& caption = {}) override;
  std::string askName(const std::string& caption, const std::string& initial) override;
  std::string chooseOpenFile(const FileFilter& filter) override;
  std::string chooseSaveFile(const FileFilter& filter, const std::string& subject) override;
  bool editScript(ComboBlock& block) override;
  void setTitle(const std::string& title) override;
  void report(const std::string& text) override;

  // Where report() goes: the window's status line, once the window has built it.
  void setReportLine(std::function<void(const QString&)> reportLine) { reportLine_ = std::move(reportLine); }

 private:
  QPointer<QWidget> window_;
  std::function<void(const QString&)> reportLine_;
  FileDialogFolder folder_;
};

// "Description(*.EXT)|*.EXT|...||" as a Qt file dialog filter, each description with its
// patterns after a space: "Description (*.EXT);;...".
QString toQtFileFilter(const std::string& filter);

// "<subject>.<suffix>", with the characters that file names cannot hold on any common file
// system (/ \ : * ? " < > | and control characters) replaced by "_".
QString suggestedFileName(const QString& subject, const QString& suffix);

}  // namespace strikepad
