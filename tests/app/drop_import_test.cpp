// Files dropped on the main window: an .SPK file is imported as "&Import" imports it, with
// the same questions and the same lists afterwards; a catalogue file is opened in place of the
// open one; anything else is not taken.

#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "app/commands.h"
#include "app/drop_hint.h"
#include "exchange/spk_format.h"
#include "ui_driver.h"
#include "window_fixture.h"

namespace strikepad::testing {
namespace {

using Kind = ScriptedPrompts::Kind;

// The first game again, with a new combo for Ryu and a new character.
SpkGame exchangeSample() {
  const ComboBlock block = sampleBlock(0x40);
  const std::vector<std::uint8_t> data(block.begin(), block.end());
  return SpkGame{"Street Fighter IV",
                 {{"Ryu", {{"Hadouken", data}, {"Joudan", data}}}, {"Guile", {{"Sonic Boom", data}}}},
                 false};
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  QFile file(QString::fromStdString(path.string()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

class DropTest : public WindowTest {
 protected:
  // Drags `path` over the window and reports whether the window took the drag.
  bool dragOver(const std::filesystem::path& path) {
    mime_.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
    const QPoint centre = window().rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime_, Qt::LeftButton, {});
    QApplication::sendEvent(&window(), &enter);
    return enter.isAccepted();
  }
  bool drop() {
    QDropEvent drop(QPointF(window().rect().center()), Qt::CopyAction, &mime_, Qt::LeftButton, {});
    QApplication::sendEvent(&window(), &drop);
    return drop.isAccepted();
  }

  struct Lists {
    QStringList games, characters, combos;
    QString game, character;
    bool operator==(const Lists&) const = default;
  };
  Lists lists() {
    return {texts(*window().gameList()), texts(*window().characterList()), texts(*window().comboList()),
            window().gameList()->currentText(), selected(*window().characterList())};
  }

  QMimeData mime_;
};

enum class Way { Menu, Drop };

class ImportBothWays : public DropTest, public ::testing::WithParamInterface<Way> {};

TEST_P(ImportBothWays, AsksTheSameAndEndsWithTheSameLists) {
  openWindowOn(kTwoGames);
  const std::filesystem::path file = dir_ / "Street Fighter IV.SPK";
  writeFile(file, encodeSpk(exchangeSample()));
  prompts_.clearEvents();
  prompts_.answerAsk(true);
  if (GetParam() == Way::Menu) {
    prompts_.answerOpenFile(file.string());
    window().runCommand(kImportGame);
  } else {
    ASSERT_TRUE(dragOver(file));
    ASSERT_TRUE(drop());
    ASSERT_TRUE(eventually([&] { return !prompts_.questions().empty(); }));
  }
  std::vector<std::string> shown;
  for (const auto& event : prompts_.events())
    if (event.kind != Kind::OpenFile) shown.push_back(event.text);
  EXPECT_EQ(shown, std::vector<std::string>{"This game name is always exist,so if your records of Ultra/Super Combos "
                                            "with same name will be replaced,\ncontinue?"});
  EXPECT_TRUE(eventually([&] { return texts(*window().characterList()).size() == 3; }));
  EXPECT_EQ(lists(), (Lists{{"Street Fighter IV", "Tekken 6"},
                            {"Ryu", "Ken", "Guile"},
                            {"Hadouken", "Shoryuken", "Joudan"},
                            "Street Fighter IV",
                            "Ryu"}));
}

INSTANTIATE_TEST_SUITE_P(MenuAndDrop, ImportBothWays, ::testing::Values(Way::Menu, Way::Drop),
                         [](const auto& info) { return info.param == Way::Menu ? "Menu" : "Drop"; });

TEST_F(DropTest, WhileAnSpkFileIsDraggedOverTheWindowItNamesTheFile) {
  openWindowOn(kTwoGames);
  const std::filesystem::path file = dir_ / "Tekken 7.spk";
  writeFile(file, encodeSpk(SpkGame{"Tekken 7", {}, false}));
  ASSERT_TRUE(dragOver(file));
  EXPECT_TRUE(window().dropHint()->isVisible());
  EXPECT_TRUE(window().dropHint()->text().contains("Tekken 7.spk"));
  QDragLeaveEvent leave;
  QApplication::sendEvent(&window(), &leave);
  EXPECT_FALSE(window().dropHint()->isVisible());
}

TEST_F(DropTest, ADroppedCatalogueFileIsOpenedInPlaceOfTheOpenOne) {
  openWindowOn(kTwoGames);
  const std::filesystem::path other = dir_ / "other.dat";
  makeCatalogue(other, {{"Tekken 7", {{"Kazuya", {"Electric"}}}}});
  ASSERT_TRUE(dragOver(other));
  EXPECT_TRUE(window().dropHint()->text().contains("open the catalogue"));
  ASSERT_TRUE(drop());
  ASSERT_TRUE(eventually([&] { return window().gameList()->currentText() == "Tekken 7"; }));
  EXPECT_EQ(lists(), (Lists{{"Tekken 7"}, {"Kazuya"}, {"Electric"}, "Tekken 7", "Kazuya"}));
  EXPECT_TRUE(window().gameList()->toolTip().contains("other.dat"));

  std::filesystem::create_directory(dir_ / "club");
  makeCatalogue(dir_ / "club" / "sp.dat", {{"Soulcalibur", {}}});
  ASSERT_TRUE(dragOver(dir_ / "club")) << "a folder that holds a catalogue";
  ASSERT_TRUE(drop());
  EXPECT_TRUE(eventually([&] { return window().gameList()->currentText() == "Soulcalibur"; }));
}

TEST_F(DropTest, ADroppedTextFileIsNotTakenAndChangesNothing) {
  openWindowOn(kTwoGames);
  const std::filesystem::path file = dir_ / "notes.txt";
  writeFile(file, encodeSpk(exchangeSample()));  // even with an exchange file's bytes inside
  prompts_.clearEvents();
  const Lists before = lists();
  EXPECT_FALSE(dragOver(file));
  EXPECT_FALSE(window().dropHint()->isVisible());
  EXPECT_FALSE(drop());
  QApplication::processEvents();
  EXPECT_TRUE(prompts_.events().empty());
  EXPECT_EQ(lists(), before);
  window().catalogue().FillGameList();  // the store as it is now
  EXPECT_EQ(lists(), before);
}

TEST_F(DropTest, SeveralFilesOrTextAreNotTaken) {
  openWindowOn(kTwoGames);
  QMimeData several;
  several.setUrls({QUrl::fromLocalFile("/tmp/a.SPK"), QUrl::fromLocalFile("/tmp/b.SPK")});
  EXPECT_FALSE(draggedFile(&several));
  QMimeData text;
  text.setText("/tmp/a.SPK");
  EXPECT_FALSE(draggedFile(&text));
  QMimeData remote;
  remote.setUrls({QUrl("https://example.org/a.SPK")});
  EXPECT_FALSE(draggedFile(&remote));
}

}  // namespace
}  // namespace strikepad::testing
