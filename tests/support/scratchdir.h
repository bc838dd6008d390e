#pragma once
#include <string>

namespace testsupport {

// A fresh directory under the system's temporary directory, made the working directory for the
// lifetime of the object and removed with everything in it afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path of a file inside the directory.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string previousWorkingDir_;
};

}  // namespace testsupport
