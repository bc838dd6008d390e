#include "tests/tools/datahook_runner_child.h"
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace runnertest {

namespace {

struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("cannot create a pipe");
    read = ends[0];
    write = ends[1];
  }
};

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
  environment.insert(environment.end(), extra.begin(), extra.end());
  return environment;
}

// Both streams are drained together so that a child filling one pipe never blocks.
void Drain(int outFd, int errFd, RunnerResult& result) {
  std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::string* targets[2] = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        targets[i]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

void Wait(RunnerResult& result) {
  int status = 0;
  while (waitpid(result.pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
}

}  // namespace

std::string RunnerPath() { return DH_BINARY_DIR "/bin/datahook-runner"; }
std::string PluginPath() { return DH_BINARY_DIR "/bin/dh-AutomatedTesting.so"; }
std::string RecordingPluginPath() { return DH_BINARY_DIR "/bin/recording-datahook-plugin.so"; }

RunnerResult RunRunner(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment) {
  std::vector<std::string> argv{RunnerPath()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunProgram(argv, extraEnvironment);
}

RunnerResult RunProgram(std::vector<std::string> argv, const std::vector<std::string>& extraEnvironment) {
  std::vector<std::string> environment = EnvironmentWith(extraEnvironment);
  Pipe out;
  Pipe err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  RunnerResult result;
  const std::vector<char*> argumentPointers = PointersTo(argv);
  const std::vector<char*> environmentPointers = PointersTo(environment);
  const int spawned = posix_spawn(&result.pid, argv[0].c_str(), &actions, nullptr, argumentPointers.data(),
                                  environmentPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out.write);
  close(err.write);
  if (spawned != 0) {
    close(out.read);
    close(err.read);
    throw std::runtime_error("cannot start " + argv[0]);
  }
  Drain(out.read, err.read, result);
  Wait(result);
  return result;
}

std::string ReportPathIn(const std::string& workDir, pid_t pid) {
  return workDir + "/scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" +
         std::to_string(pid) + ".xml";
}

}  // namespace runnertest
