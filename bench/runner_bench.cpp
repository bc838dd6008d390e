// A long run of the stand-in host: datahook-runner over 1,000 and 10,000 data files (copies of the golden corpus),
// as a child process, so that its time per file and its peak memory show how a run grows with its length.
#include "runnerbench.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct GoldenFile {
  fs::path data;
  fs::path stimAreas;  // empty when the file has none
};

std::vector<GoldenFile> GoldenCorpus() {
  std::vector<GoldenFile> corpus;
  for (const auto& entry : fs::directory_iterator(DH_SOURCE_DIR "/testdata/golden")) {
    if (entry.path().extension() != ".txt") continue;
    fs::path areas = entry.path();
    areas.replace_extension(".stimareas");
    corpus.push_back({entry.path(), fs::exists(areas) ? areas : fs::path()});
  }
  std::sort(corpus.begin(), corpus.end(), [](const auto& a, const auto& b) { return a.data < b.data; });
  return corpus;
}

// Copies of the golden files, numbered after the participant part of the name so each keeps its verifier.
class DataFileCopies {
 public:
  explicit DataFileCopies(std::size_t count)
      : folder(fs::temp_directory_path() / ("dh-runner-bench-" + std::to_string(getpid()))) {
    fs::create_directories(folder);
    const std::vector<GoldenFile> corpus = GoldenCorpus();
    for (std::size_t i = 0; i < count && !corpus.empty(); ++i) {
      const GoldenFile& golden = corpus[i % corpus.size()];
      const fs::path copy = folder / (golden.data.stem().string() + "-" + std::to_string(i) + ".txt");
      fs::copy_file(golden.data, copy);
      if (!golden.stimAreas.empty()) fs::copy_file(golden.stimAreas, fs::path(copy).replace_extension(".stimareas"));
      paths.push_back(copy.string());
    }
  }
  ~DataFileCopies() { fs::remove_all(folder); }
  DataFileCopies(const DataFileCopies&) = delete;
  DataFileCopies& operator=(const DataFileCopies&) = delete;

  const fs::path folder;
  std::vector<std::string> paths;
};

struct ChildOutcome {
  bool ran = false;
  double seconds = 0;
  long peakKiB = 0;
};

// The peak resident size of a live process, from its VmHWM; 0 when it cannot be read.
long PeakResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:" && status >> value) return value;
    status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  return 0;
}

// Runs the runner quietly over the files and waits for it. Its peak memory is read while it is stopped on its way
// out (traced for that alone): its rusage would also count this process's memory, which a forked child holds until
// its exec. Where tracing is not allowed, the rusage figure is taken anyway.
ChildOutcome RunRunner(const std::vector<std::string>& dataFiles, const fs::path& workDir) {
  std::vector<std::string> arguments = {DH_RUNNER_PATH, "--workdir", workDir.string(), "--stim-areas-beside", "--"};
  arguments.insert(arguments.end(), dataFiles.begin(), dataFiles.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  ChildOutcome outcome;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return outcome;
  if (child == 0) {
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    if (freopen("/dev/null", "w", stdout) == nullptr || freopen("/dev/null", "w", stderr) == nullptr) _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  for (;;) {
    if (wait4(child, &status, 0, &usage) != child) return outcome;
    if (!WIFSTOPPED(status)) break;
    int signal = WSTOPSIG(status);
    if (signal == SIGTRAP && (status >> 16) == PTRACE_EVENT_EXIT) {
      outcome.peakKiB = PeakResidentKiB(child);
      signal = 0;
    } else if (signal == SIGTRAP && outcome.seconds == 0) {
      // Stopped at the exec: from here on only its exit is of interest.
      ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL);
      outcome.seconds = -1;
      signal = 0;
    }
    ptrace(PTRACE_CONT, child, nullptr, signal);
  }
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (outcome.peakKiB == 0) outcome.peakKiB = usage.ru_maxrss;
  // 0: no failures, 1: failures reported; anything else means the run was not made.
  outcome.ran = WIFEXITED(status) && WEXITSTATUS(status) <= 1;
  return outcome;
}

void RunnerOverManyDataFiles(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  const DataFileCopies copies(count);
  for (auto _ : state) {
    const ChildOutcome outcome = RunRunner(copies.paths, copies.folder / "run");
    if (!outcome.ran) {
      state.SkipWithError("datahook-runner did not complete the run");
      break;
    }
    state.counters[kMillisecondsPerFileCounter] = outcome.seconds * 1000.0 / static_cast<double>(count);
    state.counters[kPeakMebibytesCounter] = static_cast<double>(outcome.peakKiB) / 1024.0;
  }
}

BENCHMARK(RunnerOverManyDataFiles)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// One data file within the size limit, in the shapes that cost the most per byte; the row shows the runner's peak
// memory for each (first argument: 0 a row of stray cells, 1 100,000 columns, 2 a wide row then short rows, 3 one
// cell per line, 4 empty lines; second: the experiment, from kShapeExperiments). Every shape is meant to stay below
// 64 MiB.
std::string WorstShapedDataFile(std::int64_t shape) {
  constexpr std::size_t kSizeLimit = 1048576;
  const std::string header = "P01\nloop guard block level\n2026-12-06 10:15:42\nData file version 5\n";
  std::string text = header + "Event\nName\nevent 1";
  // Trailing empty cells are dropped, so each stray cell holds a character.
  if (shape == 0) {
    while (text.size() + 4 < kSizeLimit) text += "\tx";
    text += "\n";
  }
  if (shape == 1) {
    text = header;
    for (int column = 0; column < 100000; ++column) text += (column ? "\t" : "") + std::to_string(column);
    text += "\n\nevent 1\n";
  }
  for (int cell = 0; shape == 2 && cell < 3000; ++cell) text += "\tx";
  if (shape >= 2) {
    const char* const shortRow = shape == 2 ? "event 1\n" : shape == 3 ? "e\n" : "\n";
    text += "\n";
    while (text.size() + 8 < kSizeLimit) text += shortRow;
  }
  return text;
}

// The loop guard's checks cost what the table costs; the other two report more the more rows there are: a
// failure for every row without a time, every row's event name in one message.
const char* const kShapeExperiments[] = {"2012_3_16_tessel_2670_loop_guard_block_level.vn6",
                                         "2014-06-16_sync_trials.vn5", "fake_input_when_resp_is_fb_test.vn5"};

void RunnerOnWorstShapedDataFile(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("dh-shape-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / (std::string(kShapeExperiments[state.range(1)]) + " shape.txt");
  std::ofstream(file, std::ios::binary) << WorstShapedDataFile(state.range(0));
  for (auto _ : state) {
    const ChildOutcome outcome = RunRunner({file.string()}, folder / "run");
    if (!outcome.ran) {
      state.SkipWithError("datahook-runner did not complete the run");
      break;
    }
    state.counters[kPeakMebibytesCounter] = static_cast<double>(outcome.peakKiB) / 1024.0;
  }
  fs::remove_all(folder);
}

BENCHMARK(RunnerOnWorstShapedDataFile)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 4, 1), {0}})
    ->ArgsProduct({{3, 4}, {1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
