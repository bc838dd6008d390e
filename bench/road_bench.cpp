// The whole road as the host drives it: loading the plug-in (which builds every verifier), verifying the whole
// golden corpus, and one full-size data file through its verifier.
#include "bench/benchfile.h"
#include "sdk/interface_datahookplugin.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The plug-in library, loaded for the lifetime of the object.
class LoadedPlugin {
 public:
  LoadedPlugin() : library(dlopen(DH_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL)) {
    if (library == nullptr) return;
    auto factory = reinterpret_cast<VNSdkGetObjectPtrFunction>(dlsym(library, "VNSdkGetObjectPtr"));
    if (factory != nullptr) plugin = static_cast<Varnel::Interface_DataHookPlugin*>(factory());
  }
  ~LoadedPlugin() {
    if (library != nullptr) dlclose(library);
  }
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  void* library;
  Varnel::Interface_DataHookPlugin* plugin = nullptr;
};

std::vector<wxString> GoldenFiles() {
  std::vector<wxString> files;
  for (const auto& entry : fs::directory_iterator(DH_SOURCE_DIR "/testdata/golden")) {
    if (entry.path().extension() == ".txt") files.push_back(wxString::FromUTF8(entry.path().string()));
  }
  std::sort(files.begin(), files.end());
  return files;
}

// dlopen runs the library's static construction: the registry, the plug-in object with its printer and flag
// file, and all verifiers. Unloading (which writes the load-time report) is not timed.
void LoadPlugin(benchmark::State& state) {
  for (auto _ : state) {
    auto* loaded = new LoadedPlugin;
    if (loaded->plugin == nullptr) state.SkipWithError(dlerror());
    state.PauseTiming();
    delete loaded;
    state.ResumeTiming();
  }
}

void WholeGoldenCorpus(benchmark::State& state) {
  LoadedPlugin loaded;
  const std::vector<wxString> files = GoldenFiles();
  for (auto _ : state) {
    for (const wxString& file : files) loaded.plugin->PerformPostProcessing(file, nullptr);
    state.PauseTiming();
    loaded.plugin->ReleaseTestPrinter();
    state.ResumeTiming();
  }
  state.counters["files"] = static_cast<double>(files.size());
}

// The full-size file named for the loop-guard experiment, whose verifier reads its whole event column.
void FullSizeFileThroughItsVerifier(benchmark::State& state) {
  const fs::path named = fs::temp_directory_path() / "2012_3_16_tessel_2670_loop_guard_block_level.vn6 bench.txt";
  fs::copy_file(BenchDataFilePath(), named, fs::copy_options::overwrite_existing);
  LoadedPlugin loaded;
  for (auto _ : state) {
    loaded.plugin->PerformPostProcessing(wxString::FromUTF8(named.string()), nullptr);
    state.PauseTiming();
    loaded.plugin->ReleaseTestPrinter();
    state.ResumeTiming();
  }
  fs::remove(named);
}

BENCHMARK(LoadPlugin)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeGoldenCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(FullSizeFileThroughItsVerifier)->Unit(benchmark::kMillisecond);

}  // namespace
