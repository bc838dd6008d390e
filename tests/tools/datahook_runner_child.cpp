#include "datahook_runner_child.h"
#include "support/files.h"
#include "support/reportpaths.h"
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

namespace runnertest {

namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string TakeFile(const std::string& path) {
  std::string text = testsupport::ReadFile(path);
  std::remove(path.c_str());
  return text;
}

}  // namespace

std::string ToolPath(const std::string& name) { return DH_BINARY_DIR "/bin/" + name; }

RunnerResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment) {
  // Files of their own, so that several programs can run at once from several threads.
  static std::atomic<int> children{0};
  const std::string files = ".child-" + std::to_string(++children);
  // The shell writes down its process id and then becomes the program, which keeps that id.
  std::string command = "echo $$ > " + files + "-pid && exec env";
  for (const std::string& entry : environment) command += " " + ShellQuoted(entry);
  for (const std::string& argument : argv) command += " " + ShellQuoted(argument);
  command += " < /dev/null > " + files + "-out 2> " + files + "-err";
  const int status = std::system(command.c_str());
  RunnerResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.pid = std::atoi(TakeFile(files + "-pid").c_str());
  result.out = TakeFile(files + "-out");
  result.err = TakeFile(files + "-err");
  return result;
}

RunnerResult RunRunner(std::vector<std::string> arguments, const std::vector<std::string>& environment) {
  arguments.insert(arguments.begin(), ToolPath("datahook-runner"));
  return RunProgram(arguments, environment);
}

std::string ReportPathIn(const std::string& workDir, pid_t pid) {
  return workDir + testsupport::ReportPathOf(pid).substr(1);  // without the leading "."
}

}  // namespace runnertest
