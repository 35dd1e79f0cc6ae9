#pragma once
// The overview of the adapter's slots: one row a slot, saying what it holds by the catalogue's
// names, "empty" or "not in the catalogue". From the chosen row the user downloads the combo
// selected in the window into that slot, or adds the slot's combo to the selected character;
// the dialog ends with that choice and the window runs it.

#include <QDialog>

#include "operations/slot_overview.h"

class QPushButton;
class QTableWidget;

namespace strikepad {

class SlotOverviewDialog final : public QDialog {
  Q_OBJECT

 public:
  enum class Choice { None, DownloadSelectedCombo, AddToSelectedCharacter };

  // `selectedCombo` and `selectedCharacter` are the window's selections, empty for none; the
  // row of `currentSlot` (0..4) is chosen at first.
  SlotOverviewDialog(const SlotOverview& overview, const QString& selectedCombo, const QString& selectedCharacter,
                     int currentSlot, QWidget* parent = nullptr);

  Choice choice() const { return choice_; }
  // The chosen row's slot, 0..4.
  int slot() const;

  QTableWidget* rows() const { return rows_; }
  QPushButton* downloadButton() const { return download_; }
  QPushButton* addButton() const { return add_; }

 private:
  void choose(Choice choice);

  QTableWidget* rows_ = nullptr;
  QPushButton* download_ = nullptr;
  QPushButton* add_ = nullptr;
  Choice choice_ = Choice::None;
};

}  // namespace strikepad
