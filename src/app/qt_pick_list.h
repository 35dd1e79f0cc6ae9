#pragma once
// A catalogue list shown in a QComboBox or a QListWidget: the entry's text is the record's
// name, its item data the record's id. Changes made through this class never emit the
// widget's signals, so only the user's own selections reach the window's cascade.

#include <QComboBox>
#include <QListWidget>
#include <variant>

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

 private:
  QWidget& widget() const;

  std::variant<QComboBox*, QListWidget*> widget_;
};

}  // namespace strikepad
