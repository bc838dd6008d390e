// Runs every benchmark and then prints each one's time as a multiple of the plain read-and-split baseline,
// measured in the same run.
#include "benchfile.h"
#include "runnerbench.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // With repetitions, each figure is the median of the repetitions: one slow repetition on a shared machine
      // does not move it.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type != Run::RT_Iteration && !median) continue;
      const std::string name = run.run_name.str();
      if (!median && medianNames_.count(name) != 0) continue;
      if (median) medianNames_.insert(name);
      const auto peak = run.counters.find(kPeakMebibytesCounter);
      const auto perFile = run.counters.find(kMillisecondsPerFileCounter);
      if (peak != run.counters.end() && perFile != run.counters.end()) {
        longRuns_[name] = {perFile->second.value, peak->second.value};
      } else if (peak != run.counters.end()) {
        peaks_[name] = peak->second.value;
      } else {
        milliseconds_[name] = run.GetAdjustedRealTime();
      }
    }
  }
  void PrintRatios() const {
    const auto baseline = milliseconds_.find("StandardLibraryBaseline");
    if (baseline == milliseconds_.end() || baseline->second <= 0) return;
    std::printf("Full-size file: %ju bytes; baseline (read and split): %.2f ms\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(BenchDataFilePath())), baseline->second);
    for (const auto& [name, time] : milliseconds_) {
      if (name == baseline->first) continue;
      std::printf("%-32s %8.2f ms  = %6.2fx the baseline\n", name.c_str(), time, time / baseline->second);
    }
  }
  // Long runs are not compared with the baseline: what matters is how time and memory grow with their length.
  void PrintLongRuns() const {
    for (const auto& [name, figures] : longRuns_) {
      std::printf("%-32s %8.3f ms per file, peak %7.1f MiB\n", name.c_str(), figures.first, figures.second);
    }
    for (const auto& [name, peak] : peaks_) {
      std::printf("%-32s peak %7.1f MiB (%s 64 MiB)\n", name.c_str(), peak, peak < 64 ? "below" : "NOT below");
    }
  }

 private:
  std::map<std::string, double> milliseconds_;
  std::map<std::string, std::pair<double, double>> longRuns_;  // milliseconds per file, peak MiB
  std::map<std::string, double> peaks_;                        // peak MiB of one worst-shaped data file
  std::set<std::string> medianNames_;
};

}  // namespace

int main(int argc, char** argv) {
  // The plug-in writes its report and flag file below the working directory.
  const auto scratch = std::filesystem::temp_directory_path() / ("dh-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  reporter.PrintLongRuns();
  benchmark::Shutdown();
  std::filesystem::remove_all(scratch);
  return 0;
}
