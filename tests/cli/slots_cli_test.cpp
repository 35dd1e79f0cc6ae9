// strikepad-cli slots: the five slots of a simulated adapter (STRIKEPAD_ADAPTER=simulated:FILE)
// by the names of a catalogue in a temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "simulated_adapter_cli.h"
#include "store/store.h"

namespace strikepad::testing {
namespace {

class SlotsCommand : public SimulatedAdapterCli {
 protected:
  void SetUp() override {
    SimulatedAdapterCli::SetUp();
    makeCatalogue("Street Fighter IV", "Ryu", "Hadouken");
    ASSERT_EQ(cli({"download", "Street Fighter IV", "Ryu", "Hadouken", "1"}).exitCode, 0);
    ASSERT_EQ(cli({"slot", "write", "3", cli({"script", "parse"}, "7 square\r\n").out}).exitCode, 0);
    // The stored steps and marker, then other bytes.
    std::string otherTail = cli({"script", "parse"}, kScript).out;
    otherTail.replace(otherTail.size() - 3, 2, "ff");
    ASSERT_EQ(cli({"slot", "write", "4", otherTail}).exitCode, 0);
  }
};

TEST_F(SlotsCommand, PrintsOneLineASlotInTheThreeForms) {
  const CliResult slots = cli({"slots"});
  EXPECT_EQ(slots.exitCode, 0) << slots.err;
  EXPECT_EQ(slots.out,
            "1: Street Fighter IV / Ryu / Hadouken\n"
            "2: empty\n"
            "3: not in the catalogue\n"
            "4: Street Fighter IV / Ryu / Hadouken (the bytes after the end marker differ)\n"
            "5: empty\n");
  EXPECT_EQ(slots.err, "");
}

TEST_F(SlotsCommand, JsonHoldsWhatTheLinesSayAndBothShowStoredControlCharactersEscaped) {
  {
    Store store(dir_ / "sp.dat");
    ASSERT_TRUE(store.ConnectStore());
    ASSERT_TRUE(store.execute("update game set name=?", {std::string("Evil\n\x1b[2J")}));
  }
  const CliResult json = cli({"slots", "--json"});
  EXPECT_EQ(json.exitCode, 0) << json.err;
  EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::parse(R"({"slots":[
      {"slot":1,"holds":"catalogued","combos":[
        {"game":"Evil\n\u001b[2J","character":"Ryu","combo":"Hadouken","tailDiffers":false}]},
      {"slot":2,"holds":"empty","combos":[]},
      {"slot":3,"holds":"uncatalogued","combos":[]},
      {"slot":4,"holds":"catalogued","combos":[
        {"game":"Evil\n\u001b[2J","character":"Ryu","combo":"Hadouken","tailDiffers":true}]},
      {"slot":5,"holds":"empty","combos":[]}]})"));
  EXPECT_EQ(cli({"slots"}).out.rfind("1: Evil\\x0a\\x1b[2J / Ryu / Hadouken\n2: empty\n", 0), 0u);
}

TEST_F(SlotsCommand, ExitsWithOneAndPrintsNothingUnlessAllFiveWereRead) {
  std::filesystem::remove(dir_ / "slots");
  std::filesystem::create_directory(dir_ / "slots");  // found, but its slots can not be had
  const CliResult unreadable = cli({"slots"});
  EXPECT_EQ(unreadable.exitCode, 1);
  EXPECT_EQ(unreadable.out, "");
  EXPECT_EQ(unreadable.err.rfind("Found the adapter but can not open it", 0), 0u) << unreadable.err;

  std::filesystem::remove(dir_ / "sp.dat");
  const CliResult noCatalogue = cli({"slots"});
  EXPECT_EQ(noCatalogue.exitCode, 1);
  EXPECT_EQ(noCatalogue.out, "");
}

}  // namespace
}  // namespace strikepad::testing
