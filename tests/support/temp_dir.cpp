#include "temp_dir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace strikepad::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "strikepad-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  path_ = buffer.data();
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace strikepad::testing
