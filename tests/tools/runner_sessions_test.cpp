// The runner's sessions under testdata/runner/sessions/: X.run says how the runner is started, X.out holds what the
// user then sees, byte for byte: the exit status, standard output, standard error and the files X.run asks to keep.
//
// X.run has one instruction a line, keyword TAB value; "#" starts a comment line. "write NAME BYTES" writes a file
// (and its folders) first, "env NAME=VALUE" adds to the runner's environment, "arg VALUE" adds an argument, "keep
// PATH" appends the file (below the session's directory) to X.out afterwards, a diagnostics file without its stamp,
// which differs every run. Values take \t \n \r \\ and \xHH;
// @BIN@ and @TESTDATA@ stand for the built programs' folder and testdata/. In X.out the session's directory reads
// @DIR@, the programs' folder @BIN@ and the runner's process id in suite and report names @PID@ (in keep paths too).
// DH_WRITE_EXPECTED=1 writes the X.out files from this build instead of comparing (then read the diff).
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using testsupport::ReplaceAll;

std::string Unescaped(const std::string& value) {
  std::string bytes;
  for (std::size_t at = 0; at < value.size(); ++at) {
    const char c = value[at];
    if (c != '\\' || at + 1 == value.size()) {
      bytes += c;
      continue;
    }
    const char code = value[++at];
    if (code == 'x') {
      bytes += static_cast<char>(std::stoi(value.substr(at + 1, 2), nullptr, 16));
      at += 2;
    } else {
      bytes += code == 't' ? '\t' : code == 'n' ? '\n' : code == 'r' ? '\r' : code;
    }
  }
  ReplaceAll(bytes, "@BIN@/", runnertest::ToolPath(""));
  return ReplaceAll(bytes, "@TESTDATA@/", testsupport::TestData(""));
}

struct Session {
  std::vector<std::string> arguments, environment, kept;
};

Session ReadAndPrepare(const std::string& runFile, const testsupport::ScratchDir& scratch) {
  Session session;
  for (const std::string& line : testsupport::Split(testsupport::ReadFile(runFile), '\n')) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    const std::string keyword = line.substr(0, tab), value = tab == std::string::npos ? "" : line.substr(tab + 1);
    if (keyword == "arg") {
      session.arguments.push_back(Unescaped(value));
    } else if (keyword == "env") {
      session.environment.push_back(Unescaped(value));
    } else if (keyword == "keep") {
      session.kept.push_back(value);
    } else if (keyword == "write") {
      const std::string file = scratch.File(value.substr(0, value.find('\t')));
      std::filesystem::create_directories(std::filesystem::path(file).parent_path());
      testsupport::WriteFile(file, Unescaped(value.substr(value.find('\t') + 1)));
    } else {
      ADD_FAILURE() << runFile << ": unknown instruction '" << keyword << "'";
    }
  }
  return session;
}

// The text with the session's directory, the built programs' folder and the process id in suite and report names
// as placeholders.
std::string Generalised(std::string text, const std::string& directory, pid_t pid) {
  ReplaceAll(text, directory, "@DIR@");
  ReplaceAll(text, runnertest::ToolPath(""), "@BIN@/");
  ReplaceAll(text, "_pid_" + std::to_string(pid), "_pid_@PID@");
  return ReplaceAll(text, "Running_" + std::to_string(pid), "Running_@PID@");
}

class RunnerSession : public ::testing::TestWithParam<std::string> {};

TEST_P(RunnerSession, ShowsWhatIsKeptBesideIt) {
  testsupport::ScratchDir scratch;
  const Session session = ReadAndPrepare(GetParam(), scratch);
  const auto run = runnertest::RunRunner(session.arguments, session.environment);
  std::string seen =
      "exit\t" + std::to_string(run.exitCode) + "\n--- standard output\n" + run.out + "--- standard error\n" + run.err;
  for (std::string path : session.kept) {
    ReplaceAll(path, "@PID@", std::to_string(run.pid));
    const std::string file = scratch.File(path);
    std::string kept = testsupport::FileExists(file) ? testsupport::ReadFile(file) : "(absent)\n";
    if (path.find(".diagnostics.txt") != std::string::npos) kept.erase(0, kept.find("suite: "));
    seen += "--- " + path + "\n" + kept;
  }
  const std::string outFile = GetParam().substr(0, GetParam().size() - 4) + ".out";
  testsupport::ExpectSameAsKept(Generalised(seen, scratch.Path(), run.pid), outFile);
}

INSTANTIATE_TEST_SUITE_P(EverySession, RunnerSession,
                         ::testing::ValuesIn(testsupport::FilesIn(testsupport::TestData("runner/sessions"), ".run")),
                         [](const ::testing::TestParamInfo<std::string>& generated) {
                           return testsupport::TestNameOf(generated.param);
                         });

}  // namespace
