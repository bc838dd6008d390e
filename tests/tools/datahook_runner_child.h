#pragma once
// Runs the built tools as processes of their own, the way the host or a user starts them.
#include <string>
#include <sys/types.h>
#include <vector>

namespace runnertest {

struct RunnerResult {
  pid_t pid = 0;      // the program's process id, which names the runner's report
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

std::string ToolPath(const std::string& name);  // a program or library built into bin/

// Runs argv (argv[0] is the program's path) in the current directory, with "NAME=value" entries added to its
// environment and nothing on its standard input. Several may run at once, from several threads.
RunnerResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {});
RunnerResult RunRunner(std::vector<std::string> arguments, const std::vector<std::string>& environment = {});

// Where a runner with this process id writes its report, below its work directory.
std::string ReportPathIn(const std::string& workDir, pid_t pid);

}  // namespace runnertest
