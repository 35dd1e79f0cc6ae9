#pragma once
// Everything the commands ask of the user or show to the user. The window implements it
// with message boxes and dialogs; tests script the answers.

#include <string>

#include "combo/combo_block.h"

namespace strikepad {

// The filter and default extension of the exchange-file dialogs.
struct FileFilter {
  std::string filter;            // "Description(*.EXT)|*.EXT|...||"
  std::string defaultExtension;  // "*.SPK"
};

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A notice: OK button, no icon, the application's name as caption.
  virtual void notice(const std::string& text) = 0;
  // The store error report: OK button, exclamation icon.
  virtual void warning(const std::string& text) = 0;
  // A Yes/No question; an empty caption means the application's name. True means Yes.
  virtual bool ask(const std::string& text, const std::string& caption = {}) = 0;
  // The name input dialog; an empty result means cancelled (or an emptied field).
  virtual std::string askName(const std::string& caption, const std::string& initial) = 0;
  // File dialogs; an empty result means cancelled. Paths are UTF-8. The save dialog suggests
  // a file named after `subject` (the game being exported; empty: no suggestion).
  virtual std::string chooseOpenFile(const FileFilter& filter) = 0;
  virtual std::string chooseSaveFile(const FileFilter& filter, const std::string& subject) = 0;
  // The script editor, opened on `block`. True when it ended with OK on a script that parsed,
  // which then overwrote `block`; false when it was closed otherwise, leaving `block` alone.
  virtual bool editScript(ComboBlock& block) = 0;
  // The main window's title.
  virtual void setTitle(const std::string& title) = 0;
  // What a command did, told without interrupting: the window's status line.
  virtual void report(const std::string& text) = 0;
};

}  // namespace strikepad
