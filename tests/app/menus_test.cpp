// The command menus of the three lists: their items and numbers, and how a right-button
// press opens them and delivers the chosen command.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringListModel>

#include "app/commands.h"
#include "app/menu_lists.h"
#include "ui_driver.h"

namespace strikepad {
namespace {

using testing::chooseItem;
using testing::eventually;
using testing::whenMenu;

struct Item {
  QString text;
  int command;
  bool operator==(const Item&) const = default;
};

std::vector<Item> itemsOf(const QMenu& menu) {
  std::vector<Item> items;
  for (const QAction* action : menu.actions()) {
    EXPECT_FALSE(action->isSeparator());
    EXPECT_TRUE(action->isEnabled());
    EXPECT_FALSE(action->isCheckable());
    EXPECT_EQ(action->menu(), nullptr);
    items.push_back({action->text(), action->data().toInt()});
  }
  return items;
}

void PrintTo(const Item& item, std::ostream* out) { *out << item.text.toStdString() << " " << item.command; }

TEST(CommandMenus, GameMenuCarriesAddDeleteRenameImportExport) {
  QWidget owner;
  const std::vector<Item> expected{{"&Add", 106}, {"&Delete", 107}, {"&Rename", 108}, {"&Import", 111}, {"&Export", 112}};
  EXPECT_EQ(itemsOf(*buildCommandMenu(kGameMenu, &owner)), expected);
}

TEST(CommandMenus, CharacterMenuCarriesAddDeleteRename) {
  QWidget owner;
  const std::vector<Item> expected{{"&Add", 101}, {"&Delete", 102}, {"&Rename", 103}};
  EXPECT_EQ(itemsOf(*buildCommandMenu(kCharacterMenu, &owner)), expected);
}

TEST(CommandMenus, ComboMenuStartsWithTheReadFromSlotCommand) {
  QWidget owner;
  const std::vector<Item> expected{{"&Add", 109}, {"&Reload", 110}, {"&Delete", 104}, {"&Rename", 105}, {"&Edit", 114},
                                   {"&Copy", 116}, {"&Paste", 117}};
  EXPECT_EQ(itemsOf(*buildCommandMenu(kComboMenu, &owner)), expected);
}

TEST(CommandMenus, NoMenuCarriesTheScriptCommand) {
  for (auto items : {std::span<const MenuItem>(kGameMenu), std::span<const MenuItem>(kCharacterMenu),
                     std::span<const MenuItem>(kComboMenu)})
    for (const MenuItem& item : items) EXPECT_NE(item.command, kNewComboFromScript);
}

class MenuListBoxTest : public ::testing::Test {
 protected:
  MenuListBoxTest() {
    list_.setCommandMenu(menu_);
    list_.setModel(&names_);
    list_.setCurrentIndex(names_.index(0));
    list_.resize(200, 200);
    list_.show();
  }

  QPoint centreOfRow(int row) { return list_.visualRect(list_.model()->index(row, 0)).center(); }

  QWidget owner_;
  QMenu* menu_ = buildCommandMenu(kCharacterMenu, &owner_);
  QStringListModel names_{{"Ryu", "Ken", "Chun-Li"}};
  MenuListBox list_;
  QSignalSpy chosen_{&list_, &MenuListBox::commandChosen};
};

TEST_F(MenuListBoxTest, RightPressOnAnotherRowLeavesTheSelectionAndDeliversTheChoice) {
  QStringList shown;
  int selectedWhileOpen = -2;
  whenMenu([&](QMenu& menu) {
    for (QAction* action : menu.actions()) shown << action->text();
    selectedWhileOpen = list_.currentIndex().row();
    chooseItem(menu, "&Rename");
  });
  QTest::mousePress(list_.viewport(), Qt::RightButton, {}, centreOfRow(2));
  // The command has run by the time the press returns.
  ASSERT_EQ(chosen_.size(), 1);
  EXPECT_EQ(chosen_.front().front().toInt(), kRenameCharacter);
  EXPECT_EQ(shown, (QStringList{"&Add", "&Delete", "&Rename"}));
  EXPECT_EQ(selectedWhileOpen, 0);
  EXPECT_EQ(list_.currentIndex().row(), 0);
  EXPECT_EQ(list_.selectionModel()->selectedIndexes(), QModelIndexList{names_.index(0)});
}

TEST_F(MenuListBoxTest, DismissedMenuDeliversNothing) {
  whenMenu([](QMenu& menu) { QTest::keyClick(&menu, Qt::Key_Escape); });
  QTest::mousePress(list_.viewport(), Qt::RightButton, {}, centreOfRow(1));
  EXPECT_TRUE(chosen_.isEmpty());
  EXPECT_EQ(list_.currentIndex().row(), 0);
}

TEST_F(MenuListBoxTest, EmptyListStillOpensItsMenu) {
  names_.setStringList({});
  whenMenu([](QMenu& menu) { chooseItem(menu, "&Delete"); });
  QTest::mousePress(list_.viewport(), Qt::RightButton, {}, QPoint(20, 20));
  ASSERT_EQ(chosen_.size(), 1);
  EXPECT_EQ(chosen_.front().front().toInt(), kDeleteCharacter);
}

TEST_F(MenuListBoxTest, LeftPressStillSelects) {
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, centreOfRow(1));
  EXPECT_EQ(list_.currentIndex().row(), 1);
  EXPECT_TRUE(chosen_.isEmpty());
}

TEST_F(MenuListBoxTest, TheMenuKeyOpensTheMenuForTheSelectedEntry) {
  list_.setFocus();
  int selectedWhileOpen = -2;
  whenMenu([&](QMenu& menu) {
    selectedWhileOpen = list_.currentIndex().row();
    chooseItem(menu, "&Rename");
  });
  QTest::keyClick(&list_, Qt::Key_Menu);
  ASSERT_EQ(chosen_.size(), 1);
  EXPECT_EQ(chosen_.front().front().toInt(), kRenameCharacter);
  EXPECT_EQ(selectedWhileOpen, 0);
}

TEST_F(MenuListBoxTest, F2AndDeleteDeliverRenameAndDeleteWithoutTheMenu) {
  QTest::keyClick(&list_, Qt::Key_F2);
  QTest::keyClick(&list_, Qt::Key_Delete);
  ASSERT_EQ(chosen_.size(), 2);
  EXPECT_EQ(chosen_[0].front().toInt(), kRenameCharacter);
  EXPECT_EQ(chosen_[1].front().toInt(), kDeleteCharacter);
  EXPECT_EQ(list_.currentIndex().row(), 0);
}

TEST_F(MenuListBoxTest, TheFocusedListShowsARingInsideItsBorder) {
  QWidget other;
  other.show();
  const QColor ring = list_.palette().color(QPalette::Highlight);
  // The list's lower left corner, below its rows.
  const auto edge = [this] { return list_.viewport()->grab().toImage().pixelColor(0, list_.viewport()->height() - 1); };
  EXPECT_NE(edge(), ring);
  list_.activateWindow();
  list_.setFocus();
  ASSERT_TRUE(testing::eventually([this] { return list_.hasFocus(); }));
  EXPECT_EQ(edge(), ring);
}

TEST(MenuComboBox, ShiftF10OpensTheMenuAndDeleteDeliversItsCommand) {
  QWidget owner;
  MenuComboBox box;
  box.setCommandMenu(buildCommandMenu(kGameMenu, &owner));
  box.addItems({"Street Fighter IV", "Tekken 6"});
  box.setCurrentIndex(1);
  box.show();
  QSignalSpy chosen(&box, &MenuComboBox::commandChosen);
  whenMenu([](QMenu& menu) { chooseItem(menu, "&Export"); });
  QTest::keyClick(&box, Qt::Key_F10, Qt::ShiftModifier);
  QTest::keyClick(&box, Qt::Key_Delete);
  ASSERT_EQ(chosen.size(), 2);
  EXPECT_EQ(chosen[0].front().toInt(), kExportGame);
  EXPECT_EQ(chosen[1].front().toInt(), kDeleteGame);
  EXPECT_EQ(box.currentIndex(), 1);
}

TEST(MenuComboBox, RightPressDeliversTheChoiceAndKeepsTheSelection) {
  QWidget owner;
  MenuComboBox box;
  box.setCommandMenu(buildCommandMenu(kGameMenu, &owner));
  box.addItems({"Street Fighter IV", "Tekken 6"});
  box.setCurrentIndex(1);
  box.show();
  QSignalSpy chosen(&box, &MenuComboBox::commandChosen);
  whenMenu([](QMenu& menu) { chooseItem(menu, "&Export"); });
  QTest::mousePress(&box, Qt::RightButton, {}, QPoint(10, 5));
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen.front().front().toInt(), kExportGame);
  EXPECT_EQ(box.currentIndex(), 1);
}

}  // namespace
}  // namespace strikepad
