#pragma once
// The program's one window: the game, character and combo lists with their command menus,
// the "Memory Index" slot buttons, "DownLoad" and the busy indicator. It owns the store, the
// catalogue and the adapter's link for the whole run.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "flows/prompts.h"
#include "device/device_link.h"
#include "flows/device_panel.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace strikepad {

class BusyIndicator;
class Catalogue;
class CatalogueSwitch;
class ComboHoverPreview;
class DropHint;
class DeviceCommands;
class HidTransport;
class MenuComboBox;
class MenuListBox;
class NextStepHint;
class QtPickList;
class QtPrompts;
class StatusLine;
class CatalogueFile;
class WorkerTransferRunner;

inline constexpr const char* kWindowTitle = "Norvik Strikepad 2.0 Velocade";

class MainDialog final : public QDialog, public DevicePanel {
  Q_OBJECT

 public:
  // Asks and tells the user through its own message boxes and dialogs; talks to `adapter` and
  // opens the catalogue file `catalogue`.
  MainDialog(std::unique_ptr<HidTransport> adapter, LinkTiming timing, std::filesystem::path catalogue = "sp.dat");
  // Through `prompts` and `adapter` instead (tests).
  MainDialog(Prompts& prompts, HidTransport& adapter, LinkTiming timing, std::filesystem::path catalogue = "sp.dat");
  ~MainDialog() override;

  // Start-up, in this order: the adapter (the title tells whether it was found), the store
  // (sp.dat in the current folder unless another catalogue was given), and, when the store
  // opened, the lists of the first game.
  void initialise();
  // Runs command 101..117; any other number does nothing. While the adapter is busy every
  // command is refused with the device commands' busy notice.
  void runCommand(int command);

  MenuComboBox* gameList() const { return gameList_; }
  MenuListBox* characterList() const { return characterList_; }
  MenuListBox* comboList() const { return comboList_; }
  QPushButton* downloadButton() const { return download_; }
  QRadioButton* slotButton(int slot) const;
  BusyIndicator* indicator() const { return indicator_; }
  QMenu* backgroundMenu() const { return backgroundMenu_; }
  ComboHoverPreview* comboPreview() const { return comboPreview_; }
  DropHint* dropHint() const { return dropHint_; }
  NextStepHint* nextStepHint() const { return nextStep_; }
  StatusLine* statusLine() const { return statusLine_; }
  Catalogue& catalogue() const { return *catalogue_; }
  DeviceCommands& deviceCommands() const { return *device_; }
  CatalogueSwitch& catalogueSwitch() const { return *catalogueSwitch_; }
  void showAbout();
  // Ends the window; while a device transfer runs, once that command has ended, so that a
  // transfer is never cut short.
  void done(int result) override;

  // DevicePanel
  bool isSlotButtonChecked(int slot) const override;
  void drawBusyIndicator(bool busy, TransferState transfer) override;
  void invalidateClientArea() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // While the adapter is busy, holds back the user's picks in the lists (the command that
  // runs works on the selection it started with); the keys that end the window go through.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // A dropped .SPK file is imported as "&Import" would import it, without the file dialog; a
  // dropped catalogue file is opened in place of the open one.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  MainDialog(Prompts* prompts, std::unique_ptr<HidTransport> ownAdapter, HidTransport* adapter, LinkTiming timing,
             std::filesystem::path catalogue);
  void buildControls();
  void buildMenus();
  void addCatalogueCommands();
  // Names the open catalogue (the game list's tooltip) and says what to do next.
  void showCatalogue();
  void connectControls();
  void dispatch(int command);
  void endAfterTransfer();
  void showHeldReport();
  // Runs `work`, then has the lists show every entry it appended.
  void runShowingEntries(const std::function<void()>& work);

  std::unique_ptr<QtPrompts> ownPrompts_;
  Prompts& prompts_;
  std::unique_ptr<HidTransport> ownAdapter_;
  DeviceLink link_;

  MenuComboBox* gameList_ = nullptr;
  MenuListBox* characterList_ = nullptr;
  MenuListBox* comboList_ = nullptr;
  QPushButton* download_ = nullptr;
  QButtonGroup* slots_ = nullptr;
  BusyIndicator* indicator_ = nullptr;
  QMenu* backgroundMenu_ = nullptr;
  DropHint* dropHint_ = nullptr;
  ComboHoverPreview* comboPreview_ = nullptr;
  NextStepHint* nextStep_ = nullptr;
  StatusLine* statusLine_ = nullptr;

  std::unique_ptr<QtPickList> games_;
  std::unique_ptr<QtPickList> characters_;
  std::unique_ptr<QtPickList> combos_;
  std::unique_ptr<CatalogueFile> file_;
  std::unique_ptr<Catalogue> catalogue_;
  std::unique_ptr<DeviceCommands> device_;
  std::unique_ptr<CatalogueSwitch> catalogueSwitch_;
  // Last, so that it is destroyed first: it waits for a running transfer, which uses the link.
  std::unique_ptr<WorkerTransferRunner> transfers_;
  // The result of a close request that came during a transfer.
  std::optional<int> pendingEnd_;
};

}  // namespace strikepad
