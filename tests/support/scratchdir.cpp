#include "scratchdir.h"
#include <filesystem>
#include <random>
#include <stdexcept>

namespace testsupport {

namespace {

namespace fs = std::filesystem;

// A directory of a random name that did not exist before; creating it is the claim, as mkdtemp does.
fs::path MakeFreshDirectory() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = fs::temp_directory_path() / ("dhtest-" + std::to_string(random() % 1000000000000ULL));
    if (fs::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("cannot create a scratch directory");
}

}  // namespace

ScratchDir::ScratchDir() : previousWorkingDir_(fs::current_path().string()) {
  path_ = MakeFreshDirectory().generic_string();
  fs::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::current_path(previousWorkingDir_, ignored);
  fs::permissions(path_, fs::perms::owner_all, ignored);
  fs::remove_all(path_, ignored);
}

}  // namespace testsupport
