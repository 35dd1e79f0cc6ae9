#pragma once
// A catalogue on a fresh sp.dat in a temporary folder, with in-memory lists, scripted
// prompts, the catalogue file the exchange works on (as the window opens it), and a readable
// dump of everything stored.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue_test_base.h"
#include "files/file_bytes.h"
#include "flows/exchange_flows.h"
#include "operations/catalogue_file.h"
#include "operations/exchange_operations.h"

namespace strikepad {

class ExchangeTest : public testing::CatalogueTestBase {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(CatalogueTestBase::SetUp());
    // Durability on power loss is not under test; skipping the flushes keeps the tests quick.
    ASSERT_TRUE(store_.execute("pragma synchronous=off"));
    ASSERT_TRUE(file_.open().done());
    ASSERT_TRUE(file_.store().execute("pragma synchronous=off"));
  }

  // The export of `gameId` as the window tells it; its problem returned.
  ExportProblem exportGame(RecordId gameId, const std::filesystem::path& file) {
    const ExportResult result = exportGameFile(file_, gameId, file);
    showExportResult(prompts_, result, file);
    return result.problem;
  }
  // The import of a dropped file, with the window's questions and notices.
  ImportResult importFile(const std::filesystem::path& file) { return importGameFlow(catalogue_, file_, file); }

  static std::string hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char digits[3];
    for (const std::uint8_t byte : bytes) {
      std::snprintf(digits, sizeof digits, "%02x", byte);
      text += digits;
    }
    return text;
  }

  // Every game, character and combo (with its stored bytes) in store order, one a line.
  std::vector<std::string> dump() {
    std::vector<std::string> lines;
    for (auto game = store_.OpenRecordset("game"); !game->atEnd(); game->moveNext())
      dumpGame(game->integer("id"), lines);
    return lines;
  }
  std::vector<std::string> dumpGame(RecordId gameId) {
    std::vector<std::string> lines;
    dumpGame(gameId, lines);
    return lines;
  }

  RecordId gameId(const std::string& name) {
    auto game = store_.OpenRecordset("game", "name=?", {name});
    return game->atEnd() ? -1 : game->integer("id");
  }

  static ComboBlock blockWith(std::uint8_t seed) {
    ComboBlock block;
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(seed + i * 3);
    return block;
  }

  // Every combo addGame stores gets its own block.
  ComboBlock nextComboBlock() override { return blockWith(static_cast<std::uint8_t>(++blockSeed_)); }

  std::filesystem::path writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    FileContent file = readWholeFile(path, std::size_t{1} << 30);
    EXPECT_TRUE(file) << path;
    return std::move(file.bytes);
  }

 private:
  void dumpGame(RecordId gameId, std::vector<std::string>& lines) {
    auto game = store_.OpenRecordset("game", "id=?", {std::int64_t{gameId}});
    if (game->atEnd()) return;
    lines.push_back("game " + game->text("name"));
    for (auto role = store_.OpenRecordset("role", "gameid=?", {std::int64_t{gameId}}); !role->atEnd();
         role->moveNext()) {
      lines.push_back("  role " + role->text("name"));
      for (auto combo = store_.OpenRecordset("moves", "roleid=?", {std::int64_t{role->integer("id")}});
           !combo->atEnd(); combo->moveNext())
        lines.push_back("    moves " + combo->text("name") + " " + hex(combo->getChunk("data", combo->actualSize("data"))));
    }
  }

  int blockSeed_ = 0;

 protected:
  CatalogueFile file_{store_.path()};
};

}  // namespace strikepad
