#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace runnertest {

// How one run of the built runner (or another program) ended and what it printed.
struct RunnerResult {
  pid_t pid = 0;            // the runner's process id, which names its report
  int exitCode = -1;        // -1 when it did not exit normally
  int signal = 0;           // the signal that ended it, 0 when it exited
  std::string out;
  std::string err;
};

std::string RunnerPath();
std::string PluginPath();           // the real plug-in
std::string RecordingPluginPath();  // the double that records its calls

// Runs a program (argv[0] is its path) in the current directory; extraEnvironment entries ("NAME=value")
// are added to this process's environment for the child only.
RunnerResult RunProgram(std::vector<std::string> argv, const std::vector<std::string>& extraEnvironment = {});

// Runs the runner in the current directory with the given arguments; extraEnvironment entries
// ("NAME=value") are added to this process's environment for the child only.
RunnerResult RunRunner(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& extraEnvironment = {});

// Where a runner with this process id finds its report, below its work directory.
std::string ReportPathIn(const std::string& workDir, pid_t pid);

}  // namespace runnertest
