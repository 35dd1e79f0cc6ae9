#pragma once
// The window's "Adapter slots…" command (Ctrl+L, and in the background menu): the overview of
// the adapter's slots read by SlotOverviewCommand and shown in a SlotOverviewDialog; the row's
// choice runs the window's own DownLoad or the combo list's Add on the chosen slot.

#include <QObject>
#include <filesystem>

#include "flows/slot_overview_command.h"
#include "operations/catalogue_file.h"

class QAction;

namespace strikepad {

class MainDialog;

// The text of the command in the window's background menu.
QString adapterSlotsEntryText();

class AdapterSlotsCommand final : public QObject {
  Q_OBJECT

 public:
  // The command's action is added to `window`, so that its key works wherever the focus is.
  AdapterSlotsCommand(MainDialog& window, DeviceLink& link, TransferRunner& runner, Prompts& prompts,
                      CatalogueFile& catalogue);

  QAction* action() const { return action_; }
  void run();

 private:
  void show(const SlotOverview& overview);

  MainDialog& window_;
  CatalogueFile& catalogue_;
  SlotOverviewCommand command_;
  QAction* action_ = nullptr;
};

}  // namespace strikepad
