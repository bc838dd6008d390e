// The runner's sessions under testdata/runner/sessions/: X.run says how the runner is started, X.out holds what the
// user then sees, byte for byte: the exit status, standard output, standard error and the files X.run asks to keep.
//
// X.run has one instruction a line, keyword TAB value; "#" starts a comment line. First the files, their folders
// made: "write NAME BYTES", "copy NAME PATH", "pad NAME SIZE" (the last line lengthened with 'p' to SIZE bytes),
// "fifo NAME". Then "program PATH" runs another program than the runner, "env NAME=VALUE" adds to its environment,
// "arg VALUE" adds an argument, and "keep PATH" appends the file (below the session's directory) to X.out
// afterwards: a report valid against the schema, a diagnostics file without its stamp, which differs every run.
// Values take \t \n \r \\ and \xHH; @SOURCE@ and @BUILD@ stand for the source and build trees. In X.out the
// session's directory reads @DIR@, the build tree @BUILD@ and the process id in suite and report names @PID@ (in
// keep paths too).
// DH_WRITE_EXPECTED=1 writes the X.out files from this build instead of comparing (then read the diff).
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>

namespace {

using testsupport::ReplaceAll;

std::string Unescaped(const std::string& value) {
  std::string bytes = testsupport::Unescaped(value);
  ReplaceAll(bytes, "@BUILD@", DH_BINARY_DIR);
  return ReplaceAll(bytes, "@SOURCE@", DH_SOURCE_DIR);
}

struct Session {
  std::vector<std::string> arguments = {runnertest::ToolPath("datahook-runner")}, environment, kept;
};

Session ReadAndPrepare(const std::string& runFile, const testsupport::ScratchDir& scratch) {
  Session session;
  for (const std::string& line : testsupport::Split(testsupport::ReadFile(runFile), '\n')) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    const std::string keyword = line.substr(0, tab), value = tab == std::string::npos ? "" : line.substr(tab + 1);
    if (keyword == "program") {
      session.arguments = {Unescaped(value)};
    } else if (keyword == "arg") {
      session.arguments.push_back(Unescaped(value));
    } else if (keyword == "env") {
      session.environment.push_back(Unescaped(value));
    } else if (keyword == "keep") {
      session.kept.push_back(value);
    } else {
      const std::string file = scratch.File(value.substr(0, value.find('\t')));
      const std::string bytes = Unescaped(value.substr(value.find('\t') + 1));
      std::filesystem::create_directories(std::filesystem::path(file).parent_path());
      if (keyword == "write" || keyword == "copy") {
        testsupport::WriteFile(file, keyword == "write" ? bytes : testsupport::ReadFile(bytes));
      } else if (keyword == "pad") {
        std::string text = testsupport::ReadFile(file);
        const std::size_t lineEnd = text.empty() || text.back() != '\n' ? text.size() : text.size() - 1;
        testsupport::WriteFile(file, text.insert(lineEnd, std::stoul(bytes) - text.size(), 'p'));
      } else if (keyword != "fifo" || mkfifo(file.c_str(), 0600) != 0) {
        ADD_FAILURE() << runFile << ": cannot follow '" << line << "'";
      }
    }
  }
  return session;
}

// The runner's process id: the one its report's name gives, else (no report named) the program's own.
std::string RunnerProcessId(const std::string& out, pid_t program) {
  const std::size_t name = out.find("Running_");
  if (name == std::string::npos) return std::to_string(program);
  const std::size_t digits = name + 8;
  return out.substr(digits, out.find_first_not_of("0123456789", digits) - digits);
}

// The text with the session's directory, the build tree, the process id in suite and report names and the
// dashboard report's host and random part as placeholders.
std::string Generalised(std::string text, const std::string& directory, const std::string& pid) {
  ReplaceAll(text, directory, "@DIR@");
  ReplaceAll(text, DH_BINARY_DIR, "@BUILD@");
  ReplaceAll(text, "_pid_" + pid, "_pid_@PID@");
  ReplaceAll(text, "Running_" + pid, "Running_@PID@");
  return std::regex_replace(text, std::regex("dh-AutomatedTesting_[A-Za-z0-9._-]+_" + pid + "_[0-9a-f]{16}\\.xml"),
                            "dh-AutomatedTesting_@HOST@_@PID@_@TOKEN@.xml");
}

class RunnerSession : public ::testing::TestWithParam<std::string> {};

TEST_P(RunnerSession, ShowsWhatIsKeptBesideIt) {
  testsupport::ScratchDir scratch;
  const Session session = ReadAndPrepare(GetParam(), scratch);
  const auto run = runnertest::RunProgram(session.arguments, session.environment);
  const std::string pid = RunnerProcessId(run.out + run.err, run.pid);
  std::string seen =
      "exit\t" + std::to_string(run.exitCode) + "\n--- standard output\n" + run.out + "--- standard error\n" + run.err;
  for (std::string path : session.kept) {
    ReplaceAll(path, "@PID@", pid);
    const std::string file = scratch.File(path);
    std::string kept = testsupport::FileExists(file) ? testsupport::ReadFile(file) : "(absent)\n";
    if (path.size() > 4 && path.substr(path.size() - 4) == ".xml" && testsupport::FileExists(file)) {
      EXPECT_EQ(testsupport::SchemaErrors(file), "") << path;
    }
    if (path.find(".diagnostics.txt") != std::string::npos) kept.erase(0, kept.find("suite: "));
    seen += "--- " + path + "\n" + kept;
  }
  const std::string outFile = GetParam().substr(0, GetParam().size() - 4) + ".out";
  testsupport::ExpectSameAsKept(Generalised(seen, scratch.Path(), pid), outFile);
}

INSTANTIATE_TEST_SUITE_P(EverySession, RunnerSession,
                         ::testing::ValuesIn(testsupport::FilesIn(testsupport::TestData("runner/sessions"), ".run")),
                         [](const ::testing::TestParamInfo<std::string>& generated) {
                           return testsupport::TestNameOf(generated.param);
                         });

}  // namespace
