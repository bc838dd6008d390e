#include "runneroptions.h"
#include <cstring>
#include <optional>
#include <utility>

namespace datahookrunner {

namespace {

struct ParsedArguments {
  RunnerOptions options;
  std::string error;  // empty when the command line was usable
};

// Walks the arguments once; options take their value from the next argument or after "=".
class ArgumentScanner {
 public:
  ArgumentScanner(int count, const char* const* arguments) : argc_(count), argv_(arguments) {}

  ParsedArguments Scan() {
    while (index_ < argc_ && result_.error.empty() && !result_.options.showHelp && !result_.options.showVersion) {
      ScanOne(argv_[index_++]);
    }
    return result_;
  }

 private:
  void ScanOne(const std::string& argument) {
    if (onlyDataFiles_ || argument == "-" || argument.rfind('-', 0) != 0) {
      result_.options.dataFiles.push_back(argument);
    } else if (argument == "--") {
      onlyDataFiles_ = true;
    } else if (argument == "--help" || argument == "-h") {
      result_.options.showHelp = true;
    } else if (argument == "--version") {
      result_.options.showVersion = true;
    } else if (argument == "--stim-areas-beside") {
      result_.options.stimAreasBeside = true;
    } else if (argument == "--no-findings") {
      result_.options.showFindings = false;
    } else {
      ScanOption(argument);
    }
  }

  void ScanOption(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (name != "--plugin" && name != "--workdir" && name != "--stim-areas" && name != "--host-assert" &&
        name != "--junit-dir") {
      Fail("unknown option '" + name + "'");
      return;
    }
    const std::optional<std::string> value = TakeValue(argument, equals, name);
    if (!value) return;
    if (name == "--host-assert") {
      result_.options.hostAssertions.push_back(*value);
      return;
    }
    std::string& slot = name == "--plugin"      ? result_.options.pluginPath
                        : name == "--workdir"   ? result_.options.workDir
                        : name == "--junit-dir" ? result_.options.junitDir
                                                : result_.options.stimAreaFile;
    StoreOnce(name, *value, slot);
  }

  // None after telling why through Fail.
  std::optional<std::string> TakeValue(const std::string& argument, std::size_t equals, const std::string& name) {
    std::string value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (index_ < argc_) {
      value = argv_[index_++];
    } else {
      Fail("option " + name + " needs a value");
      return std::nullopt;
    }
    // An empty text is a legitimate host assertion; an empty path names nothing.
    if (value.empty() && name != "--host-assert") {
      Fail("option " + name + " needs a non-empty value");
      return std::nullopt;
    }
    return value;
  }

  void StoreOnce(const std::string& name, const std::string& value, std::string& slot) {
    if (!slot.empty()) {
      Fail("option " + name + " given more than once");
      return;
    }
    slot = value;
  }

  void Fail(const std::string& message) { result_.error = message; }

  const int argc_;
  const char* const* argv_;
  int index_ = 1;
  bool onlyDataFiles_ = false;
  ParsedArguments result_;
};

void RejectEmptyDataFiles(ParsedArguments& parsed) {
  if (!parsed.error.empty() || parsed.options.showHelp || parsed.options.showVersion) return;
  for (const std::string& dataFile : parsed.options.dataFiles) {
    if (dataFile.empty()) parsed.error = "an empty data file path was given";
  }
}

}  // namespace

hostkit::Result<RunnerOptions> ParseArguments(int argc, const char* const* argv) {
  ParsedArguments parsed = ArgumentScanner(argc, argv).Scan();
  RejectEmptyDataFiles(parsed);
  if (!parsed.error.empty()) return hostkit::Failure(parsed.error);
  return std::move(parsed.options);
}

std::string UsageText() {
  return R"(Usage: datahook-runner [OPTION]... [DATAFILE]...

Stands in for the experiment host: loads the data-hook plug-in, hands it each
DATAFILE as the host does after a run, lets it write its JUnit-style report,
then reads that report back and prints a summary.

In order, the runner
  1. changes to the work directory and creates the directory the plug-in
     writes into, ./scons-out/opt/tests/auto_experiment_tests/;
  2. loads the plug-in library and asks it for its object (VNSdkGetObjectPtr);
  3. calls PerformPostProcessing once per DATAFILE, in the order given, with
     the file's absolute path (relative paths are taken from the directory the
     runner was started in) and the stimulus areas of --stim-areas;
  4. calls OnHostAssertionFailure once per --host-assert, in the order given;
  5. calls ReleaseTestPrinter, which makes the plug-in write its report, and
     unloads the library;
  6. reads FakeUnitTestsDataHookExperimentRunning_<pid>.xml from that
     directory (<pid> is the runner's own process id, since the plug-in runs
     inside it) and prints one line per suite, every failure with its subject
     and the first line of its message, the totals and the report's path;
     from the diagnostics file beside the report
     (FakeUnitTestsDataHookExperimentRunning_<pid>.diagnostics.txt) it adds
     each suite's data file and, under each failure, what was found
     ("found:" lines). Every name and text is printed on one line: control
     characters are written \xNN, C1 controls and U+2028, U+2029 \uNNNN.
     The report is summed up only when the stamp at the head of the
     diagnostics names this run and the digest of the bytes read: a process
     of the same id sharing the directory may have written it. When the site
     settings beside the plug-in or the environment name other machines than
     the compiled-in ones, a last line says which names are in force.
With no DATAFILE the plug-in is only loaded and released, which shows the
report it starts with.

Options:
  --plugin PATH       the plug-in library to load (default: dh-AutomatedTesting.so,
                      .dll on Windows, in the directory of the datahook-runner executable,
                      or, in an installed tree, in ../plugins from there)
  --workdir DIR       the host's working directory, where the report ends up
                      (default: the current directory; created when missing)
  --stim-areas FILE   stimulus areas handed over with every data file; one area
                      per line, fields separated by single tabs:
                        x  y  width  height  responseId  areaName
                      x, y and responseId are integers, width and height
                      integers of at least 0; areaName is the rest of the line
                      (UTF-8, may be empty). Empty lines are skipped.
                      Without this option every data file gets no areas.
  --stim-areas-beside a data file X.txt that has a file X.stimareas beside it
                      gets the areas of that file instead (same format), so
                      one run can hand each experiment its own areas
  --host-assert TEXT  an assertion failure of the host, handed to the plug-in
                      after all data files; may be repeated
  --no-findings       leave out the "found:" lines
  --junit-dir DIR     also have the plug-in write its conventional JUnit report
                      for dashboards into DIR (sets DH_AUTOMATEDTESTING_JUNIT_DIR
                      for the run) and print that file's path after the summary;
                      however it is asked for (this option, that variable or
                      the settings file), a report that was not written is told
                      after the summary and the run exits 2
  --                  everything after this is a DATAFILE
  -h, --help          show this text
  --version           show the version
Options also take their value as --option=VALUE. Arguments must be UTF-8.
When more than 5 data files are given, progress goes to standard error.

Exit status:
  0  the report holds no failure
  1  the report holds at least one failure
  2  usage error, malformed stimulus-area file, a plug-in that cannot be
     loaded, a report or diagnostics file that is missing or cannot be
     read, a report that is not this run's own (another process wrote the
     same report name), a dashboard report asked for and not written, or a
     failure of the runner itself (such as running out of memory)
)";
}

}  // namespace datahookrunner
