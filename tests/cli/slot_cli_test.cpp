#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace strikepad::testing {
namespace {

// A malformed slot number or block is refused with status 2 before any adapter is looked up.
TEST(SlotCommand, MalformedSlotOrBlockExitsWithTwoAndTouchesNoAdapter) {
  for (const char* slot : {"0", "6", "12", "x"}) {
    const CliResult read = runCli({"slot", "read", slot});
    EXPECT_EQ(read.exitCode, 2) << slot;
    EXPECT_EQ(read.err, "slot must be 1 to 5\n") << slot;
    EXPECT_EQ(read.out, "") << slot;
  }
  const CliResult write = runCli({"slot", "write", "5", "zz"});
  EXPECT_EQ(write.exitCode, 2);
  EXPECT_EQ(write.err.rfind("bad block: ", 0), 0u) << write.err;
  EXPECT_EQ(write.err.find("Can not find device."), std::string::npos) << "no lookup after bad input";
  EXPECT_EQ(write.out, "");
}

}  // namespace
}  // namespace strikepad::testing
