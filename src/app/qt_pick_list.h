#pragma once
// A catalogue list shown in a QComboBox or a QListWidget: the entry's text is the record's
// name; its id is the combo box entry's item data, and kept beside the list box's entries.
// Changes made through this class never emit the widget's signals, so only the user's own
// selections reach the window's cascade.
//
// Entries appended to a list box one after another are held back and added together on the
// next call that reads or changes the list, on showEntries(), or when the event loop next
// runs: a list box told of each new row on its own, or of each row's item data, spends more
// time on the news than on the rows, and a character may have a hundred thousand combos.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <variant>
#include <vector>

#include "catalogue/pick_list.h"

namespace strikepad {

class QtPickList final : public PickList {
 public:
  explicit QtPickList(QComboBox& comboBox) : widget_(&comboBox) {}
  explicit QtPickList(QListWidget& listWidget) : widget_(&listWidget) {}

  int count() const override;
  std::string text(int index) const override;
  RecordId id(int index) const override;
  int selectedIndex() const override;
  void select(int index) override;
  int append(const std::string& text, RecordId id) override;
  void remove(int index) override;
  void clear() override;

  // Adds the entries held back, so the widget shows every entry appended so far.
  void showEntries() const;

 private:
  QWidget& widget() const;
  void holdBack(const QString& text, RecordId id);

  std::variant<QComboBox*, QListWidget*> widget_;
  std::vector<RecordId> listBoxIds_;  // one for each list box entry, shown or held back
  // Held back until shown; a read of the list shows them first.
  mutable QStringList heldTexts_;
  // The context of the event loop's call that shows the entries held back: the call goes
  // with this object. A member, not a pointer, so the object cannot move away from the call.
  QObject showLater_;
};

}  // namespace strikepad
