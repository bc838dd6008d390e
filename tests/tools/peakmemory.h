#pragma once
#include <string>
#include <vector>

namespace runnertest {

struct PeakMemory {
  int exitCode = -1;       // -1 when the program did not exit normally
  long peakKibibytes = 0;  // the largest resident size the program reached
};

// Runs argv (argv[0] is the program's path) with its output discarded and measures its peak resident size. The
// figure starts from this process's own size at the fork, so it never reads lower than the program's own peak.
PeakMemory RunMeasuringPeakMemory(const std::vector<std::string>& argv);

}  // namespace runnertest
