// QtPickList over a combo box and a list view: entries with ids, selections that do not
// signal, and the same selection rules as the lists of the core.

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/menu_lists.h"
#include "app/qt_pick_list.h"

namespace strikepad {
namespace {

template <class Widget>
class QtPickListTest : public ::testing::Test {
 protected:
  Widget widget_;
  QtPickList list_{widget_};
};

using Widgets = ::testing::Types<QComboBox, MenuListBox>;
TYPED_TEST_SUITE(QtPickListTest, Widgets);

TYPED_TEST(QtPickListTest, KeepsTextAndIdOfEachEntryInOrder) {
  EXPECT_EQ(this->list_.append("Ryu", 7), 0);
  EXPECT_EQ(this->list_.append("Ken", 3), 1);
  EXPECT_EQ(this->list_.count(), 2);
  EXPECT_EQ(this->list_.text(1), "Ken");
  EXPECT_EQ(this->list_.id(0), 7);
  EXPECT_EQ(this->list_.append("Ryu", 9), 2);  // the same name twice, each with its own id
  EXPECT_EQ(this->list_.id(2), 9);
}

TYPED_TEST(QtPickListTest, AppendingSelectsNothing) {
  this->list_.append("Ryu", 1);
  EXPECT_EQ(this->list_.selectedIndex(), -1);
}

TYPED_TEST(QtPickListTest, ChangesByTheProgramEmitNoSignals) {
  // Every signal of the widget: none of them may reach the window's selection handlers.
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  const QMetaObject* meta = this->widget_.metaObject();
  for (int i = 0; i < meta->methodCount(); ++i) {
    if (meta->method(i).methodType() == QMetaMethod::Signal)
      spies.push_back(std::make_unique<QSignalSpy>(&this->widget_, meta->method(i)));
  }
  this->list_.append("Ryu", 1);
  this->list_.append("Ken", 2);
  this->list_.showEntries();
  this->list_.select(1);
  this->list_.select(0);
  this->list_.remove(0);
  this->list_.clear();
  for (const auto& recorded : spies) EXPECT_TRUE(recorded->isEmpty()) << recorded->signal().toStdString();
}

TYPED_TEST(QtPickListTest, SelectsAndClearsTheSelection) {
  this->list_.append("Ryu", 1);
  this->list_.append("Ken", 2);
  this->list_.select(1);
  EXPECT_EQ(this->list_.selectedIndex(), 1);
  EXPECT_EQ(this->list_.selectedText(), "Ken");
  EXPECT_EQ(this->list_.selectedId(), 2);
  this->list_.select(-1);
  EXPECT_FALSE(this->list_.hasSelection());
}

TYPED_TEST(QtPickListTest, RemovingTheSelectedEntryLeavesNoSelection) {
  this->list_.append("Ryu", 1);
  this->list_.append("Ken", 2);
  this->list_.select(0);
  this->list_.remove(0);
  EXPECT_EQ(this->list_.count(), 1);
  EXPECT_EQ(this->list_.selectedIndex(), -1);
}

TYPED_TEST(QtPickListTest, RemovingAnEarlierEntryKeepsTheSelectedOne) {
  this->list_.append("Ryu", 1);
  this->list_.append("Ken", 2);
  this->list_.select(1);
  this->list_.remove(0);
  EXPECT_EQ(this->list_.selectedText(), "Ken");
}

TYPED_TEST(QtPickListTest, FindStringSearchesFromTheSecondEntryOn) {
  this->list_.append("Hadouken", 1);
  this->list_.append("Hadouken EX", 2);
  selectByName(this->list_, "hadouken");
  EXPECT_EQ(this->list_.selectedId(), 2);
  selectByName(this->list_, "Shoryuken");
  EXPECT_FALSE(this->list_.hasSelection());
}

TYPED_TEST(QtPickListTest, KeepsNamesOutsideAscii) {
  this->list_.append("春麗", 4);
  EXPECT_EQ(this->list_.text(0), "春麗");
}

// A list view over the model: what it shows against what the list holds.
using ListViewTest = QtPickListTest<MenuListBox>;

QString shownText(const QListView& view, int row) { return view.model()->index(row, 0).data().toString(); }

TEST_F(ListViewTest, AFillOfManyEntriesReachesTheViewInOneInsertion) {
  QSignalSpy insertions(widget_.model(), &QAbstractItemModel::rowsInserted);
  for (int n = 0; n < 100'000; ++n) list_.append("Combo " + std::to_string(n), n);
  list_.select(0);
  EXPECT_EQ(insertions.size(), 1);
  ASSERT_EQ(widget_.model()->rowCount(), 100'000);
  EXPECT_EQ(shownText(widget_, 99'999), "Combo 99999");
  EXPECT_EQ(widget_.model()->index(99'999, 0).data(Qt::UserRole).toInt(), 99'999);
}

TEST_F(ListViewTest, ClearingDropsEveryEntryAndTheSelection) {
  list_.append("Ryu", 1);
  list_.select(0);
  list_.append("Ken", 2);
  list_.clear();
  list_.append("Chun-Li", 3);
  list_.showEntries();
  ASSERT_EQ(widget_.model()->rowCount(), 1);
  EXPECT_EQ(shownText(widget_, 0), "Chun-Li");
  EXPECT_EQ(list_.id(0), 3);
  EXPECT_EQ(list_.selectedIndex(), -1);
}

TEST_F(ListViewTest, RemovingAnEntryKeepsTheIdsBesideTheirRows) {
  list_.append("Ryu", 1);
  list_.append("Ken", 2);
  list_.append("Chun-Li", 3);
  list_.remove(1);
  ASSERT_EQ(widget_.model()->rowCount(), 2);
  EXPECT_EQ(shownText(widget_, 1), "Chun-Li");
  EXPECT_EQ(widget_.model()->index(1, 0).data(Qt::UserRole).toInt(), 3);
  EXPECT_EQ(list_.id(1), 3);
}

}  // namespace
}  // namespace strikepad
