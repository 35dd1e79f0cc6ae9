#pragma once
// A catalogue list shown in a combo box or a list view, over a PickListModel the control shows
// and owns. Changes made through this class never emit the control's signals, so only the
// user's own selections reach the window's cascade.
//
// Appended entries reach the control together, at the next change made through this class or
// at showEntries(); reads see them at once.

#include <QComboBox>
#include <QListView>
#include <variant>

#include "app/pick_list_model.h"
#include "flows/pick_list.h"

namespace strikepad {

class QtPickList final : public PickList {
 public:
  explicit QtPickList(QComboBox& comboBox);
  explicit QtPickList(QListView& listView);

  int count() const override;
  std::string text(int index) const override;
  RecordId id(int index) const override;
  int selectedIndex() const override;
  void select(int index) override;
  int append(std::string text, RecordId id) override;
  void remove(int index) override;
  void clear() override;

  // Has the control show every entry appended so far.
  void showEntries();

 private:
  QWidget& control() const;

  std::variant<QComboBox*, QListView*> control_;
  PickListModel* model_;  // owned by the control
};

}  // namespace strikepad
