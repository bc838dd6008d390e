// How long loading a full-size data file takes through the reader (text parser and in-memory parser), and how
// that compares with merely reading the file and splitting it into lines and cells.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tabulon/src/muinterfaceexperimentdatafileinputreader.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>
#include <wx/file.h>
#include <wx/filename.h>

namespace {

constexpr std::size_t kSizeLimit = 1048576;
constexpr int kTargetRows = 10000;

const char* const kHeadingTop[] = {"Block",        "Trial",         "Event",       "Participant", "Correct",
                                   "Error",        "Reaction",      "Cumulative",  "Event",       "Trial",
                                   "Block",        "Trial",         "Event",       "Code",        "Tag",
                                   "Font Color",   "ISI Durations", "Target Word", "Stimulus",    "Key"};
const char* const kHeadingBottom[] = {"Name",
                                      "Name",
                                      "Name",
                                      "Response",
                                      "Response",
                                      "Code",
                                      "Time",
                                      "Time",
                                      "Onset",
                                      "Start",
                                      "Number",
                                      "Number",
                                      "Number",
                                      "",
                                      "",
                                      "(Trial Variable)",
                                      "(Trial Variable)",
                                      "(Trial Variable)",
                                      "File",
                                      ""};
constexpr int kColumns = sizeof(kHeadingTop) / sizeof(kHeadingTop[0]);

std::string HeadingLine(const char* const* segments) {
  std::string line;
  for (int i = 0; i < kColumns; ++i) line += (i ? "\t" : "") + std::string(segments[i]);
  return line + "\n";
}

std::string DataLine(int row) {
  static const char* const events[] = {"Fixation", "Cue", "Target", "Feedback"};
  static const char* const colors[] = {"red", "green", "blue", "yellow"};
  static const char* const words[] = {"APPLE", "HOUSE", "RIVER", "CLOUD", "STONE"};
  const int block = row / 2000 + 1;
  const int trial = (row / 4) % 500 + 1;
  const int event = row % 4;
  const long cumulative = 1000L + 375L * row;
  const int reaction = 250 + (row * 37) % 600;
  const bool correct = (row * 7) % 10 != 0;
  std::ostringstream line;
  line << "Block" << block << '\t' << "Trial" << trial << '\t' << events[event] << '\t' << (correct ? "f" : "j")
       << '\t' << "f" << '\t' << (correct ? "C" : "E") << '\t' << reaction << '\t' << cumulative << '\t'
       << cumulative + 12 << '\t' << cumulative - event * 375 << '\t' << block << '\t' << trial << '\t' << event + 1
       << '\t' << (event * 3 + 1) << '\t' << "t" << event << '\t' << colors[row % 4] << '\t' << 500 + (row % 3) * 250
       << '\t' << words[row % 5] << '\t' << "s" << row % 40 << ".png" << '\t' << "f" << '\n';
  return line.str();
}

// A data file just under the size limit: about ten thousand rows of twenty columns.
std::string MakeDataFile() {
  std::string text = "Participant 17\nStroop Colour Naming\n2/14/2024 10:31:07 AM\n\n";
  text += HeadingLine(kHeadingTop);
  text += HeadingLine(kHeadingBottom);
  for (int row = 0;; ++row) {
    const std::string line = DataLine(row);
    if (text.size() + line.size() >= kSizeLimit) break;
    text += line;
    if (row + 1 >= kTargetRows && text.size() + line.size() * 2 >= kSizeLimit) break;
  }
  return text;
}

class BenchFile {
 public:
  BenchFile() : path((std::filesystem::temp_directory_path() / "tabulon_bench_data.txt").string()) {
    std::ofstream(path, std::ios::binary) << MakeDataFile();
  }
  ~BenchFile() { std::remove(path.c_str()); }
  const std::string path;
};

const BenchFile& DataFile() {
  static const BenchFile file;
  return file;
}

void ReaderWithTextParser(benchmark::State& state) {
  const wxFileName name(wxString::FromUTF8(DataFile().path.c_str()));
  for (auto _ : state) {
    MUExperimentTextReaderMultiFile reader;
    if (!reader.AddSelectedFile(name, false)) state.SkipWithError("the reader could not load the file");
    benchmark::DoNotOptimize(reader.GetRowCount());
  }
  MUExperimentTextReaderMultiFile reader;
  reader.AddSelectedFile(name, false);
  state.counters["rows"] = reader.GetRowCount();
  state.counters["columns"] = reader.GetColumnCount();
}

void ReaderWithInMemoryParser(benchmark::State& state) {
  const wxString name = wxString::FromUTF8(DataFile().path.c_str());
  for (auto _ : state) {
    wxFile file(name);
    MUExperimentTextReaderMultiFile reader;
    if (!reader.AddSelectedFile(wxFileName(name), false, &file)) state.SkipWithError("in-memory load failed");
    benchmark::DoNotOptimize(reader.GetRowCount());
  }
}

// The text parser alone, to tell the parser's share of a load from the reader's.
void TextParserAlone(benchmark::State& state) {
  const wxString name = wxString::FromUTF8(DataFile().path.c_str());
  for (auto _ : state) {
    auto parser = CreateDataFileParser(name, DataFileParser_TextWithHeader, nullptr);
    if (!parser || parser->HasFailed()) state.SkipWithError("the parser failed");
    if (!parser) continue;
    parser->SetNextRowIndex(0);
    while (auto record = parser->ReadNextRow(true)) benchmark::DoNotOptimize(record.get());
    benchmark::DoNotOptimize(parser->ReleaseColumnProperties());
  }
}

void StandardLibraryBaseline(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(DataFile().path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::vector<std::string>> table;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
      std::vector<std::string> cells;
      std::size_t start = 0;
      for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(line.substr(start, tab - start));
      cells.push_back(line.substr(start));
      table.push_back(std::move(cells));
    }
    benchmark::DoNotOptimize(table.data());
  }
}

// Reading every cell back by index, as a verifier walking whole columns does.
void ReadEveryCell(benchmark::State& state) {
  MUExperimentTextReaderMultiFile reader;
  reader.AddSelectedFile(wxFileName(wxString::FromUTF8(DataFile().path.c_str())), false);
  for (auto _ : state) {
    std::size_t characters = 0;
    for (int row = 0; row < reader.GetRowCount(); ++row) {
      for (int column = 0; column < reader.GetColumnCount(); ++column) {
        characters += reader.GetCellText(row, column).length();
      }
    }
    benchmark::DoNotOptimize(characters);
  }
}

BENCHMARK(ReaderWithTextParser)->Unit(benchmark::kMillisecond);
BENCHMARK(ReaderWithInMemoryParser)->Unit(benchmark::kMillisecond);
BENCHMARK(TextParserAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(StandardLibraryBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadEveryCell)->Unit(benchmark::kMillisecond);

// Remembers each benchmark's time per iteration so that the ratios to the baseline can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
  }
  void PrintRatios() const {
    const auto baseline = milliseconds.find("StandardLibraryBaseline");
    if (baseline == milliseconds.end() || baseline->second <= 0) return;
    std::printf("File: %ju bytes\n", static_cast<std::uintmax_t>(std::filesystem::file_size(DataFile().path)));
    for (const char* name : {"ReaderWithTextParser", "ReaderWithInMemoryParser", "TextParserAlone"}) {
      const auto found = milliseconds.find(name);
      if (found == milliseconds.end()) continue;
      std::printf("%-26s %8.2f ms  = %5.2fx the baseline (%.2f ms)\n", name, found->second,
                  found->second / baseline->second, baseline->second);
    }
  }

 private:
  std::map<std::string, double> milliseconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
