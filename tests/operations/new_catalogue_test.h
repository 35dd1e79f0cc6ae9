#pragma once
// The operations' tests start from a new, empty catalogue in a temporary folder, open.

#include <gtest/gtest.h>

#include <string>

#include "operations/catalogue_file.h"
#include "store/schema.h"
#include "temp_dir.h"

namespace strikepad {

class NewCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string message;
    ASSERT_TRUE(createCatalogue(file_.path(), message)) << message;
    ASSERT_TRUE(file_.open().done());
  }

  testing::TempDir dir_;
  CatalogueFile file_{dir_ / "sp.dat"};
};

}  // namespace strikepad
