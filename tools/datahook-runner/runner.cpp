#include "runner.h"
#include "text/onelinetext.h"
#include "reporting/processid.h"
#include "reporting/reportstamp.h"
#include "hostkit/pluginlibrary.h"
#include "hostkit/stimareafile.h"
#include "hostkit/utf8text.h"
#include "diagnosticsfile.h"
#include "exitstatus.h"
#include "hostcalls.h"
#include "junitreport.h"
#include "reportownership.h"
#include "reportreader.h"
#include "runneroptions.h"
#include "runpaths.h"
#include "sitenames.h"
#include "summaryprinter.h"
#include <atomic>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <wx/init.h>
#include <wx/utils.h>

namespace datahookrunner {

namespace {

namespace fs = std::filesystem;
using hostkit::DecodeUtf8;
using hostkit::Failure;
using hostkit::PluginLibrary;
using hostkit::ReadStimAreaFile;
using hostkit::Result;
using hostkit::Status;

constexpr std::size_t kFilesBeforeProgress = 5;

// Everything decided before the plug-in is touched, with every path made absolute.
struct RunPlan {
  std::string pluginPath;
  std::string workDir;
  std::string junitDir;  // empty: not asked for
  HostSession session;
};

// Messages name paths and texts of any content, shown on one line each.
int CannotRun(const std::string& message) {
  std::cerr << "datahook-runner: " << Varnel::OneLineText(message) << std::endl;
  return ExitStatus::CannotRun;
}

int UsageError(const std::string& message) {
  std::cerr << "datahook-runner: " << Varnel::OneLineText(message)
            << "\nTry 'datahook-runner --help' for more information." << std::endl;
  return ExitStatus::CannotRun;
}

// The runner's own failure (the plug-in's are caught around each call into it). Told without allocating,
// since running out of memory is the likeliest cause.
int RunnerFailed(const char* what) {
  std::fputs("datahook-runner: the runner itself failed: ", stderr);
  std::fputs(what, stderr);
  std::fputs("\n", stderr);
  return ExitStatus::CannotRun;
}

// What the process ends with should anything call std::terminate: before the outcome is told, "could not run";
// after it, the outcome itself.
std::atomic<int> statusAtExit{ExitStatus::CannotRun};
std::atomic<bool> outcomeTold{false};

[[noreturn]] void StopWithKnownStatus() {
  std::fputs(outcomeTold.load() ? "datahook-runner: warning: the clean-up at exit failed; the outcome above stands\n"
                                : "datahook-runner: stopped by a failure nothing could handle, before any outcome\n",
             stderr);
  std::_Exit(statusAtExit.load());
}

// Once the outcome is told, nothing that follows (the toolkit's clean-up, the exit) may turn it into an abort.
void KeepStatusThroughExit(int status) {
  std::cout.flush();
  std::cerr.flush();
  statusAtExit.store(status);
  outcomeTold.store(true);
}

Failure NotUtf8(const char* what, const std::string& argument) {
  return Failure(std::string(what) + " is not valid UTF-8: '" + argument + "'");
}

Result<std::vector<wxString>> DecodeArguments(const std::vector<std::string>& arguments, const char* what) {
  std::vector<wxString> decoded;
  for (const std::string& argument : arguments) {
    std::optional<wxString> text = DecodeUtf8(argument);
    if (!text) return NotUtf8(what, argument);
    decoded.push_back(std::move(*text));
  }
  return decoded;
}

std::vector<std::string> AbsoluteDataFiles(const RunnerOptions& options, const std::string& startDir) {
  std::vector<std::string> paths;
  for (const std::string& dataFile : options.dataFiles) paths.push_back(AbsoluteFrom(startDir, dataFile));
  return paths;
}

// The plug-in built beside the runner, else the one of the installed tree, where the plug-ins sit in a folder of
// their own beside the tools' folder.
Result<std::string> DefaultPluginPath() {
  const std::string directory = DirectoryOfRunner();
  if (directory.empty()) {
    return Failure("cannot find the runner's own directory to look for the plug-in; give --plugin");
  }
  const fs::path beside = NativePath(directory) / DH_PLUGIN_FILE_NAME;
  const fs::path installed = NativePath(directory).parent_path() / "plugins" / DH_PLUGIN_FILE_NAME;
  std::error_code notThere;
  return Utf8Path(!fs::exists(beside, notThere) && fs::exists(installed, notThere) ? installed : beside);
}

// The plan's paths: the plug-in, the working directory and the JUnit directory.
Result<RunPlan> ResolvePaths(const RunnerOptions& options, const std::string& startDir) {
  RunPlan plan;
  // A bare library name would make the system search the library path instead of the start directory.
  if (options.pluginPath.empty()) {
    Result<std::string> found = DefaultPluginPath();
    if (!found.Ok()) return Failure(found.Error());
    plan.pluginPath = std::move(found).Value();
  } else {
    plan.pluginPath = AbsoluteFrom(startDir, options.pluginPath);
  }
  plan.workDir = AbsoluteFrom(startDir, options.workDir.empty() ? "." : options.workDir);
  if (!options.junitDir.empty()) plan.junitDir = AbsoluteFrom(startDir, options.junitDir);
  return plan;
}

// X.txt's own stimulus areas are in X.stimareas beside it: only the last extension of the name is replaced.
std::string StimAreasBeside(const std::string& dataFile) {
  fs::path beside = NativePath(dataFile);
  return Utf8Path(beside.replace_extension(".stimareas"));
}

// Every data file gets the areas of --stim-areas (or none), or with --stim-areas-beside its own when it has them.
Result<std::shared_ptr<const Varnel::StimAreaList>> ReadSharedStimAreas(const std::string& path) {
  if (path.empty()) return std::make_shared<const Varnel::StimAreaList>();
  Result<Varnel::StimAreaList> areas = ReadStimAreaFile(path);
  if (!areas.Ok()) return Failure(areas.Error());
  return std::make_shared<const Varnel::StimAreaList>(std::move(areas).Value());
}

Result<StimAreasPerFile> PlanStimAreas(const RunnerOptions& options, const std::string& startDir) {
  // Read once and handed to the plug-in for every data file that has no areas of its own.
  const Result<std::shared_ptr<const Varnel::StimAreaList>> shared = ReadSharedStimAreas(options.stimAreaFile);
  if (!shared.Ok()) return Failure(shared.Error());
  StimAreasPerFile planned;
  for (const std::string& dataFile : AbsoluteDataFiles(options, startDir)) {
    const std::string own = StimAreasBeside(dataFile);
    if (!options.stimAreasBeside || !fs::is_regular_file(NativePath(own))) {
      planned.push_back(shared.Value());
      continue;
    }
    Result<Varnel::StimAreaList> areas = ReadStimAreaFile(own);
    if (!areas.Ok()) return Failure(areas.Error());
    planned.push_back(std::make_shared<const Varnel::StimAreaList>(std::move(areas).Value()));
  }
  return planned;
}

Result<RunPlan> MakePlan(const RunnerOptions& options) {
  std::error_code noCurrentDir;
  const std::string startDir = Utf8Path(fs::current_path(noCurrentDir));
  if (noCurrentDir) return Failure("cannot determine the current directory: " + noCurrentDir.message());
  Result<RunPlan> resolved = ResolvePaths(options, startDir);
  if (!resolved.Ok()) return Failure(resolved.Error());
  RunPlan plan = std::move(resolved).Value();
  plan.session.dataFiles = AbsoluteDataFiles(options, startDir);
  // The data files are only checked here; each is decoded again for its own call.
  const Result<std::vector<wxString>> dataFiles = DecodeArguments(plan.session.dataFiles, "data file path");
  if (!dataFiles.Ok()) return Failure(dataFiles.Error());
  Result<std::vector<wxString>> assertions = DecodeArguments(options.hostAssertions, "--host-assert text");
  if (!assertions.Ok()) return Failure(assertions.Error());
  plan.session.hostAssertions = std::move(assertions).Value();
  plan.session.showProgress = options.dataFiles.size() > kFilesBeforeProgress;
  Result<StimAreasPerFile> areas = PlanStimAreas(options, startDir);
  if (!areas.Ok()) return Failure(areas.Error());
  plan.session.stimAreas = std::move(areas).Value();
  return plan;
}

// The host's working directory must hold the report directory before the plug-in loads, because the
// plug-in's printer starts using it at load time. Nothing in it is removed: a report or diagnostics file under
// this process id may be another process's (one of the same id in another container), and an earlier run's
// is told from this run's by the diagnostics' stamp.
Status PrepareWorkDir(const std::string& workDir) {
  std::error_code failure;
  fs::create_directories(NativePath(workDir), failure);
  if (!failure) fs::current_path(NativePath(workDir), failure);
  if (!failure) fs::create_directories(NativePath(ReportDirectory()), failure);
  if (failure) return Failure("cannot prepare work directory '" + workDir + "': " + failure.message());
  return {};
}

Status RunPlugin(const RunPlan& plan) {
  const Result<std::unique_ptr<PluginLibrary>> library = PluginLibrary::Open(plan.pluginPath);
  if (!library.Ok()) return Failure(library.Error());
  Status called = PerformHostCalls(library.Value()->Plugin(), plan.session);
  if (!called.Ok()) return called;
  const Status closed = library.Value()->Close();
  if (!closed.Ok()) std::cerr << "datahook-runner: warning: " << closed.Error() << std::endl;
  return {};
}

int SummariseReport(const std::string& workDir, bool showFindings, const std::string& hostInstance) {
  const unsigned long processId = Varnel::CurrentProcessId();
  const std::string reportDir = workDir + "/" + ReportDirectory() + "/";
  const std::string reportPath = reportDir + ReportFileName(processId);
  const std::optional<DiagnosticsFile> diagnosed = ReadDiagnosticsFile(reportDir + DiagnosticsFileName(processId));
  if (!fs::exists(NativePath(reportPath))) {
    const bool ownWasWritten = diagnosed && diagnosed->stamp.hostInstance == hostInstance && diagnosed->stamp.report;
    return CannotRun(
        "the plug-in wrote no report; expected " + reportPath +
        (ownWasWritten ? std::string(" (it was written, then removed: ") + kAnotherProcessWrote + ")" : std::string()));
  }
  // The plug-in writes its diagnostics after the report: without them the run lost part of its outcome.
  if (!diagnosed) {
    return CannotRun("cannot read the diagnostics file the plug-in writes beside its report: " + reportDir +
                     DiagnosticsFileName(processId));
  }
  const Result<ReadReport> read = ReadReportSummary(reportPath);
  if (!read.Ok()) return CannotRun(read.Error());
  const ReportSummary& summary = read.Value().summary;
  const Status own =
      CheckReportIsOwn(reportPath, summary, read.Value().digest, processId, diagnosed->stamp, hostInstance);
  if (!own.Ok()) return CannotRun(own.Error());
  PrintCountMismatches(std::cerr, summary);
  FindingsPrinter findings(diagnosed->suites, showFindings);
  PrintSummary(std::cout, summary, reportPath, findings);
  std::cout.flush();
  return summary.TotalFailures() == 0 ? ExitStatus::NoFailures : ExitStatus::FailuresReported;
}

int RunWithToolkit(const RunnerOptions& options) {
  const Result<RunPlan> planned = MakePlan(options);
  if (!planned.Ok()) return UsageError(planned.Error());
  const RunPlan& plan = planned.Value();
  const Status prepared = PrepareWorkDir(plan.workDir);
  if (!prepared.Ok()) return CannotRun(prepared.Error());
  // The plug-in repeats this token in its diagnostics, beside the digest of the report it wrote: that is how
  // this run's report is told from another process's of the same id.
  const std::string hostInstance = Varnel::NewInstanceToken();
  if (!wxSetEnv(Varnel::kHostInstanceVariable, hostInstance)) return CannotRun("cannot set the host instance token");
  if (!plan.junitDir.empty() && !SwitchOnJUnitReport(plan.junitDir)) {
    return CannotRun("cannot set the environment variable for --junit-dir");
  }
  const std::string pluginFolder = Utf8Path(NativePath(plan.pluginPath).parent_path());
  const std::string junitDir = JUnitDirectoryInForce(pluginFolder);
  const std::set<std::string> junitReportsBefore = JUnitReportsOfThisProcess(junitDir);
  const Status ran = RunPlugin(plan);
  if (!ran.Ok()) return CannotRun(ran.Error());
  // Worked out before the summary, so that nothing which can fail comes after the outcome is told.
  const std::string siteNames = SiteNamesInForce(pluginFolder);
  const Result<std::string> junitReport =
      FindNewJUnitReport(junitDir, junitReportsBefore, JUnitReportsOfThisProcess(junitDir));
  const std::string junitLine = junitDir.empty()   ? std::string()
                                : junitReport.Ok() ? "junit report: " + Varnel::OneLineText(junitReport.Value()) + "\n"
                                                   : "junit report withheld: " + junitReport.Error() + "\n";
  const int status = SummariseReport(plan.workDir, options.showFindings, hostInstance);
  if (status == ExitStatus::CannotRun) return status;
  std::cout << siteNames << junitLine;
  // A dashboard that was asked for and is missing must not pass for a clean run.
  return junitDir.empty() || junitReport.Ok() ? status : static_cast<int>(ExitStatus::CannotRun);
}

int Run(const RunnerOptions& options) {
  // The host is a toolkit application, so the plug-in may rely on the toolkit being initialised for as
  // long as it is loaded; the runner itself needs it to find its own directory.
  std::set_terminate(StopWithKnownStatus);
  // A desktop host adopts its user's locale at start, as every GUI program does, and the plug-in runs under it;
  // so does this one, for the plug-in to meet the same conditions here.
  std::setlocale(LC_ALL, "");
  wxInitializer toolkit;
  if (!toolkit.IsOk()) return CannotRun("cannot initialise wxWidgets");
  const int status = RunWithToolkit(options);
  KeepStatusThroughExit(status);
  return status;
}

}  // namespace

int RunDataHookRunner(int argc, const char* const* argv) {
  try {
    const Result<RunnerOptions> parsed = ParseArguments(argc, argv);
    if (!parsed.Ok()) return UsageError(parsed.Error());
    if (parsed.Value().showHelp) {
      std::cout << UsageText();
      return ExitStatus::NoFailures;
    }
    if (parsed.Value().showVersion) {
      std::cout << "datahook-runner (dh-AutomatedTesting) " DH_VERSION "\n";
      return ExitStatus::NoFailures;
    }
    return Run(parsed.Value());
  } catch (const std::bad_alloc&) {
    return RunnerFailed("out of memory");
  } catch (const std::exception& exception) {
    return RunnerFailed(exception.what());
  } catch (...) {
    return RunnerFailed("unknown exception");
  }
}

}  // namespace datahookrunner
