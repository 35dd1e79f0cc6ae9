#include "app/adapter_slots_command.h"

#include <QAction>
#include <QRadioButton>
#include <QTimer>

#include "app/commands.h"
#include "app/main_dialog.h"
#include "app/qt_text.h"
#include "app/slot_overview_dialog.h"
#include "flows/catalogue_flows.h"

namespace strikepad {

namespace {

constexpr const char* kAdapterSlotsShortcut = "Ctrl+L";

QString selectedText(const PickList& list) {
  return list.hasSelection() ? toQString(list.selectedText()) : QString();
}

}  // namespace

QString adapterSlotsEntryText() { return QObject::tr("Adapter slots…"); }

AdapterSlotsCommand::AdapterSlotsCommand(MainDialog& window, DeviceLink& link, TransferRunner& runner,
                                         Prompts& prompts, CatalogueFile& catalogue)
    : QObject(&window),
      window_(window),
      catalogue_(catalogue),
      command_(window.deviceCommands(), link, runner, prompts),
      action_(new QAction(adapterSlotsEntryText(), this)) {
  action_->setShortcut(QKeySequence(kAdapterSlotsShortcut));
  window.addAction(action_);
  connect(action_, &QAction::triggered, this, &AdapterSlotsCommand::run);
}

void AdapterSlotsCommand::run() {
  command_.run(catalogue_, [this](const SlotOverview& overview) {
    // Shown once the transfer has wholly ended: a download chosen from a row starts another.
    QTimer::singleShot(0, this, [this, overview] { show(overview); });
  });
}

void AdapterSlotsCommand::show(const SlotOverview& overview) {
  // The window was closed during the read, and ended with it.
  if (!window_.isVisible()) return;
  CatalogueLists& lists = window_.catalogue().lists();
  SlotOverviewDialog dialog(overview, selectedText(lists.combos), selectedText(lists.characters),
                            window_.deviceCommands().SelectedSlot(), &window_);
  if (dialog.exec() != QDialog::Accepted) return;
  // The row's slot becomes the window's chosen slot, and the window's own command runs on it.
  window_.slotButton(dialog.slot())->setChecked(true);
  switch (dialog.choice()) {
    case SlotOverviewDialog::Choice::DownloadSelectedCombo: return window_.deviceCommands().OnDownload();
    case SlotOverviewDialog::Choice::AddToSelectedCharacter: return window_.runCommand(kCaptureCombo);
    case SlotOverviewDialog::Choice::None: return;
  }
}

}  // namespace strikepad
