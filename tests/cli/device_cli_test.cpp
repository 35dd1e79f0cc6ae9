// strikepad-cli's combo and slot commands end to end, on a catalogue and a simulated adapter
// (STRIKEPAD_ADAPTER=simulated:FILE) in a temporary folder, without the pacing's waits.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "simulated_adapter_cli.h"

namespace strikepad::testing {
namespace {

class DeviceCommand : public SimulatedAdapterCli {
 protected:
  void SetUp() override {
    SimulatedAdapterCli::SetUp();
    makeCatalogue("Arena", "Kenji", "Spin");
  }
  std::string hexOf(const std::string& combo) { return cli({"show", "Arena", "Kenji", combo, "--hex"}).out; }
};

TEST_F(DeviceCommand, DownloadThenCaptureGivesTheSameBlock) {
  const std::string stored = hexOf("Spin");
  ASSERT_EQ(stored.size(), 721u);
  const CliResult download = cli({"download", "Arena", "Kenji", "Spin", "3"});
  EXPECT_EQ(download.exitCode, 0) << download.err;
  EXPECT_EQ(download.err, "") << "no progress when stderr is no terminal";
  EXPECT_EQ(cli({"slot", "read", "3"}).out, stored);

  const CliResult capture = cli({"capture", "3", "Arena", "Kenji", "Copy"});
  EXPECT_EQ(capture.exitCode, 0) << capture.err;
  EXPECT_EQ(hexOf("Copy"), stored);

  const CliResult again = cli({"capture", "3", "Arena", "Kenji", "copy"});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_EQ(again.err, "This key name is always exist.\n");
}

TEST_F(DeviceCommand, ReloadStoresTheSlotInTheCombo) {
  const std::string block = cli({"script", "parse"}, "7 square\r\n").out;
  ASSERT_EQ(cli({"slot", "write", "2", block}).exitCode, 0);
  const CliResult reload = cli({"reload", "2", "Arena", "Kenji", "Spin"});
  EXPECT_EQ(reload.exitCode, 0) << reload.err;
  EXPECT_EQ(hexOf("Spin"), block);
}

TEST_F(DeviceCommand, CaptureOfAnEmptySlotStoresItAndSaysSo) {
  const CliResult capture = cli({"capture", "4", "Arena", "Kenji", "Blank"});
  EXPECT_EQ(capture.exitCode, 0) << capture.err;
  EXPECT_EQ(capture.err, "slot 4 is empty: store an empty combo? [answered Yes]\n");
  EXPECT_EQ(hexOf("Blank"), std::string(720, 'f') + "\n");
}

TEST_F(DeviceCommand, AFailedTransferTellsTheAdaptersReason) {
  ASSERT_EQ(cli({"slot", "read", "1"}).exitCode, 0);  // the adapter's slot file is there
  const std::string block = hexOf("Spin");
  const FileSizeLimit fullDisk(1024);  // the slot file of 1800 bytes cannot be written again
  const CliResult write = cli({"slot", "write", "1", block});
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_EQ(write.err, "download failed: " + (dir_ / "slots").string() + ": File too large\n");
}

TEST_F(DeviceCommand, ShowPrintsWhatScriptPrintPrintsForTheStoredBlock) {
  const CliResult shown = cli({"show", "Arena", "Kenji", "Spin"});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(shown.out, cli({"script", "print", hexOf("Spin")}).out);
  EXPECT_EQ(shown.out, kScript);
}

TEST_F(DeviceCommand, ListAsJsonHoldsWhatListShows) {
  ASSERT_EQ(cli({"add", "game", "Zero \"Quote\""}).exitCode, 0);
  const CliResult listed = cli({"list", "--json"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(nlohmann::json::parse(listed.out), nlohmann::json::parse(R"({"games":[
      {"id":1,"name":"Arena","characters":[{"id":1,"name":"Kenji","combos":[{"id":1,"name":"Spin","size":360}]}]},
      {"id":2,"name":"Zero \"Quote\"","characters":[]}]})"));
  EXPECT_EQ(cli({"list"}).out, "game 1 Arena\n  character 1 Kenji\n    combo 1 Spin 360\ngame 2 Zero \"Quote\"\n");
}

TEST_F(DeviceCommand, ExitStatusesTellDoneRefusedAndAWrongCommandLine) {
  EXPECT_EQ(cli({"download", "Arena", "Kenji", "Spin", "6"}).exitCode, 2);
  EXPECT_EQ(cli({"capture", "0", "Arena", "Kenji", "New"}).exitCode, 2);
  EXPECT_EQ(cli({"show", "Arena", "Kenji"}).exitCode, 2);
  EXPECT_EQ(cli({"list", "--hex"}).exitCode, 2);
  EXPECT_EQ(cli({"show", "Arena", "Kenji", "Nothing"}).exitCode, 1);

  setenv("STRIKEPAD_ADAPTER", "simulated", 1);
  const CliResult malformed = cli({"download", "Arena", "Kenji", "Spin", "1"});
  EXPECT_EQ(malformed.exitCode, 1);
  EXPECT_EQ(malformed.err.rfind("STRIKEPAD_ADAPTER is \"simulated\": set it to simulated:FILE", 0), 0u)
      << malformed.err;
}

TEST_F(DeviceCommand, OptionsGoBeforeOrAfterTheCommandAndDashDashEndsThem) {
  ASSERT_EQ(cli({"init", "other.dat"}).exitCode, 0);
  EXPECT_EQ(cli({"add", "game", "--catalogue", "other.dat", "--", "--yes"}).exitCode, 0);
  EXPECT_EQ(cli({"list", "--catalogue=other.dat"}).out, "game 1 --yes\n");

  const CliResult help = cli({"add", "game", "Never", "-h"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: strikepad-cli", 0), 0u);
  EXPECT_EQ(cli({"list"}).out.find("Never"), std::string::npos);

  const CliResult version = cli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("strikepad-cli ", 0), 0u);
}

TEST_F(DeviceCommand, ImportReadsAFileFromStandardInput) {
  const std::string file = cli({"export", "Arena", "-"}).out;
  ASSERT_EQ(cli({"delete", "game", "Arena"}).exitCode, 0);
  const CliResult imported = cli({"import", "-"}, file);
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(cli({"show", "Arena", "Kenji", "Spin"}).out, kScript);
}

}  // namespace
}  // namespace strikepad::testing
