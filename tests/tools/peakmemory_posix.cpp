#include "peakmemory.h"
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace runnertest {

PeakMemory RunMeasuringPeakMemory(const std::vector<std::string>& argv) {
  std::vector<std::string> arguments = argv;
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  PeakMemory result;
  const pid_t child = fork();
  if (child < 0) return result;
  if (child == 0) {
    if (freopen("/dev/null", "w", stdout) == nullptr || freopen("/dev/null", "w", stderr) == nullptr) _exit(127);
    execv(pointers[0], pointers.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.peakKibibytes = usage.ru_maxrss;
  return result;
}

}  // namespace runnertest
