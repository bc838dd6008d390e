// The whole road as the host drives it: loading the plug-in (which builds every verifier), verifying the whole
// golden corpus, and one full-size data file through its verifier.
#include "benchfile.h"
#include "hostkit/pluginlibrary.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<wxString> GoldenFiles() {
  std::vector<wxString> files;
  for (const auto& entry : fs::directory_iterator(DH_SOURCE_DIR "/testdata/golden")) {
    if (entry.path().extension() == ".txt") files.push_back(wxString::FromUTF8(entry.path().string()));
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Loading runs the library's static construction: the registry, the plug-in object with its printer and flag
// file, and all verifiers. Unloading (which writes the load-time report) is not timed.
void LoadPlugin(benchmark::State& state) {
  for (auto _ : state) {
    auto loaded = hostkit::PluginLibrary::Open(DH_PLUGIN_PATH);
    if (!loaded.Ok()) return state.SkipWithError(loaded.Error().c_str());
    state.PauseTiming();
    loaded.Value().reset();
    state.ResumeTiming();
  }
}

void WholeGoldenCorpus(benchmark::State& state) {
  const auto opened = hostkit::PluginLibrary::Open(DH_PLUGIN_PATH);
  if (!opened.Ok()) return state.SkipWithError(opened.Error().c_str());
  const std::unique_ptr<hostkit::PluginLibrary>& loaded = opened.Value();
  const std::vector<wxString> files = GoldenFiles();
  for (auto _ : state) {
    for (const wxString& file : files) loaded->Plugin().PerformPostProcessing(file, nullptr);
    state.PauseTiming();
    loaded->Plugin().ReleaseTestPrinter();
    state.ResumeTiming();
  }
  state.counters["files"] = static_cast<double>(files.size());
}

// The full-size file named for the loop-guard experiment, whose verifier reads its whole event column.
void FullSizeFileThroughItsVerifier(benchmark::State& state) {
  const auto opened = hostkit::PluginLibrary::Open(DH_PLUGIN_PATH);
  if (!opened.Ok()) return state.SkipWithError(opened.Error().c_str());
  const std::unique_ptr<hostkit::PluginLibrary>& loaded = opened.Value();
  const fs::path named = fs::temp_directory_path() / "2012_3_16_tessel_2670_loop_guard_block_level.vn6 bench.txt";
  fs::copy_file(BenchDataFilePath(), named, fs::copy_options::overwrite_existing);
  for (auto _ : state) {
    loaded->Plugin().PerformPostProcessing(wxString::FromUTF8(named.string()), nullptr);
    state.PauseTiming();
    loaded->Plugin().ReleaseTestPrinter();
    state.ResumeTiming();
  }
  fs::remove(named);
}

BENCHMARK(LoadPlugin)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeGoldenCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(FullSizeFileThroughItsVerifier)->Unit(benchmark::kMillisecond);

}  // namespace
