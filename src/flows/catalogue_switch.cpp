#include "flows/catalogue_switch.h"

#include <utility>

#include "flows/device_messages.h"

namespace strikepad {

namespace {

const FileFilter kCatalogueFileFilter{"Catalogues(sp.dat)|sp.dat;*.dat|All files (*.*)|*.*||", "*.dat"};
// The name the new-catalogue dialog suggests: the name the program looks for in a folder.
constexpr const char* kSuggestedName = "sp";

std::string shown(const std::filesystem::path& file) { return std::filesystem::absolute(file).string(); }

std::string notOpened(const std::filesystem::path& file, const CatalogueFile::Opened& opened,
                      const CatalogueFile& current) {
  std::string text;
  switch (opened.problem) {
    case CatalogueFile::Problem::Missing: text = "There is no catalogue at " + shown(file) + "."; break;
    case CatalogueFile::Problem::NotACatalogue:
      text = shown(file) + " is not a strikepad catalogue.";
      break;
    default: text = shown(file) + " did not open:\n" + opened.reason; break;
  }
  if (current.isOpen()) text += "\n\nThe catalogue " + shown(current.path()) + " stays open.";
  return text;
}

// The file dialog may have offered to replace the file; a new catalogue never does.
std::string notMade(const std::filesystem::path& file, const Result& made) {
  std::error_code unknown;
  if (!std::filesystem::exists(file, unknown)) return made.reason;
  return made.reason + "\n\nA new catalogue never replaces a file: choose another name, or open " + shown(file) +
         " with \"Open catalogue\u2026\".";
}

}  // namespace

CatalogueSwitch::CatalogueSwitch(Catalogue& catalogue, std::function<bool()> busy, std::function<void()> switched)
    : catalogue_(catalogue), busy_(std::move(busy)), switched_(std::move(switched)) {}

bool CatalogueSwitch::refusedWhileBusy() {
  if (!busy_()) return false;
  catalogue_.prompts().notice(device_messages::kBusy);
  return true;
}

void CatalogueSwitch::OnOpenCatalogue() {
  if (refusedWhileBusy()) return;
  const std::string chosen = catalogue_.prompts().chooseOpenFile(kCatalogueFileFilter);
  if (!chosen.empty()) openCatalogue(chosen);
}

void CatalogueSwitch::OnNewCatalogue() {
  if (refusedWhileBusy()) return;
  const std::string chosen = catalogue_.prompts().chooseSaveFile(kCatalogueFileFilter, kSuggestedName);
  if (chosen.empty()) return;
  const Result made = createCatalogueFile(chosen);
  if (!made.done()) return catalogue_.prompts().warning(notMade(chosen, made));
  turnTo(chosen, "new catalogue " + shown(chosen) + " made and opened");
}

bool CatalogueSwitch::openCatalogue(const std::filesystem::path& folderOrFile) {
  if (refusedWhileBusy()) return false;
  const std::filesystem::path file = catalogueFileAt(folderOrFile);
  return turnTo(file, "catalogue " + shown(file) + " opened");
}

bool CatalogueSwitch::turnTo(const std::filesystem::path& file, const std::string& report) {
  CatalogueFile& current = catalogue_.file();
  const CatalogueFile::Opened opened = current.switchTo(file);
  if (!opened.done()) {
    catalogue_.prompts().warning(notOpened(file, opened, current));
    return false;
  }
  catalogue_.FillGameList();
  switched_();
  catalogue_.prompts().report(report);
  return true;
}

}  // namespace strikepad
