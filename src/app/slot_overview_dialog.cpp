#include "app/slot_overview_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "operations/slot_overview_texts.h"

namespace strikepad {

namespace {

QTableWidgetItem* cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setToolTip(text);  // a long row of several combos is read whole here
  return item;
}

}  // namespace

SlotOverviewDialog::SlotOverviewDialog(const SlotOverview& overview, const QString& selectedCombo,
                                       const QString& selectedCharacter, int currentSlot, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Adapter slots"));
  rows_ = new QTableWidget(static_cast<int>(overview.contents.size()), 2, this);
  rows_->setObjectName("slotRows");
  rows_->setHorizontalHeaderLabels({tr("Slot"), tr("Holds")});
  rows_->verticalHeader()->hide();
  rows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  rows_->horizontalHeader()->setStretchLastSection(true);
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int slot = 0; slot < rows_->rowCount(); ++slot) {
    rows_->setItem(slot, 0, cell(QString::number(slot + 1)));
    rows_->setItem(slot, 1, cell(toQString(shared_texts::slotContentText(overview.contents[static_cast<std::size_t>(slot)]))));
  }
  rows_->setCurrentCell(currentSlot, 0);
  rows_->setMinimumWidth(480);
  // All five rows at once, without a scroll bar or empty space below them.
  rows_->setFixedHeight(rows_->horizontalHeader()->sizeHint().height() + rows_->verticalHeader()->length() +
                        2 * rows_->frameWidth());

  download_ = new QPushButton(tr("&Download the selected combo here"), this);
  download_->setEnabled(!selectedCombo.isEmpty());
  download_->setToolTip(selectedCombo.isEmpty() ? tr("Select a combo in the window first.")
                                                : tr("Writes %1 into the chosen slot, as DownLoad does.").arg(selectedCombo));
  add_ = new QPushButton(tr("&Add this slot to the selected character"), this);
  add_->setEnabled(!selectedCharacter.isEmpty());
  add_->setToolTip(selectedCharacter.isEmpty()
                       ? tr("Select a character in the window first.")
                       : tr("Reads the chosen slot into a new combo of %1, as the combo list's Add does.")
                             .arg(selectedCharacter));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(download_, QDialogButtonBox::ActionRole);
  buttons->addButton(add_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(download_, &QPushButton::clicked, this, [this] { choose(Choice::DownloadSelectedCombo); });
  connect(add_, &QPushButton::clicked, this, [this] { choose(Choice::AddToSelectedCharacter); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rows_);
  layout->addWidget(buttons);
}

int SlotOverviewDialog::slot() const { return rows_->currentRow() < 0 ? 0 : rows_->currentRow(); }

void SlotOverviewDialog::choose(Choice choice) {
  choice_ = choice;
  accept();
}

}  // namespace strikepad
