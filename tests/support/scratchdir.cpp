#include "tests/support/scratchdir.h"
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

ScratchDir::ScratchDir() : previousWorkingDir(std::filesystem::current_path().string()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "dhtest-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch directory");
  path = pattern;
  std::filesystem::current_path(path);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::current_path(previousWorkingDir, ignored);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path, ignored);
}

}  // namespace testsupport
