#pragma once
// The window's "Open catalogue…" and "New catalogue…", and a catalogue file dropped on it:
// the window turns to another catalogue without a restart. Refused while a transfer runs,
// since a transfer's end stores into the catalogue it began with. A catalogue that does not
// open leaves the one that was open as it was.

#include <filesystem>
#include <functional>
#include <string>

#include "flows/catalogue_flows.h"

namespace strikepad {

class CatalogueSwitch {
 public:
  // `busy` tells whether a transfer runs; `switched` runs each time another catalogue was
  // opened (the window names the open catalogue).
  CatalogueSwitch(Catalogue& catalogue, std::function<bool()> busy, std::function<void()> switched);

  // Asks for a catalogue file and opens it.
  void OnOpenCatalogue();
  // Asks where to make a new, empty catalogue, makes it as "strikepad-cli init" does, and
  // opens it. An existing file is never replaced.
  void OnNewCatalogue();
  // Opens `folderOrFile` (a catalogue, or a folder holding its sp.dat) and refills the lists
  // from its first game. False when it did not open (the user was told why).
  bool openCatalogue(const std::filesystem::path& folderOrFile);

 private:
  bool refusedWhileBusy();
  // Opens `file` in place of the open catalogue and tells `report` on the status line.
  bool turnTo(const std::filesystem::path& file, const std::string& report);

  Catalogue& catalogue_;
  std::function<bool()> busy_;
  std::function<void()> switched_;
};

}  // namespace strikepad
