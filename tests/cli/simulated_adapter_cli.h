#pragma once
// strikepad-cli run in a temporary folder against a simulated adapter that keeps its slots in
// that folder's file "slots" (STRIKEPAD_ADAPTER=simulated:FILE), without the pacing's waits.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli_runner.h"
#include "temp_dir.h"

namespace strikepad::testing {

// The script the device tests store: two steps.
inline const std::string kScript = "100 down\r\n50 right cross\r\n";

class SimulatedAdapterCli : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("STRIKEPAD_ADAPTER", ("simulated:" + (dir_ / "slots").string()).c_str(), 1);
    setenv("STRIKEPAD_SIMULATED_CHUNK_PAUSE_MS", "0", 1);
  }
  void TearDown() override {
    unsetenv("STRIKEPAD_ADAPTER");
    unsetenv("STRIKEPAD_SIMULATED_CHUNK_PAUSE_MS");
  }
  CliResult cli(const std::vector<std::string>& args, std::string_view input = {}) {
    return runCli(args, input, dir_.path());
  }
  // A new catalogue holding `game` with `character`, whose combo `combo` is kScript.
  void makeCatalogue(const std::string& game, const std::string& character, const std::string& combo) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"init"},
                                                 {"add", "game", game},
                                                 {"add", "character", game, character}}) {
      const CliResult result = cli(args);
      ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    ASSERT_EQ(cli({"add", "combo", game, character, combo}, kScript).exitCode, 0);
  }

  TempDir dir_;
};

}  // namespace strikepad::testing
