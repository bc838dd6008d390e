// How long loading a full-size data file takes through the reader (text parser and in-memory parser), and how
// that compares with merely reading the file and splitting it into lines and cells.
#include "benchfile.h"
#include "tabulon/opendatafile.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>
#include <wx/file.h>
#include <wx/filename.h>

using tabulon::CreateDataFileParser;
using tabulon::DataFileParser_TextWithHeader;

namespace {

void ReaderWithTextParser(benchmark::State& state) {
  const wxFileName name(wxString::FromUTF8(BenchDataFilePath().c_str()));
  for (auto _ : state) {
    const auto reader = tabulon::OpenDataFile(name);
    if (!reader) state.SkipWithError("the reader could not load the file");
    benchmark::DoNotOptimize(reader);
  }
  const auto reader = tabulon::OpenDataFile(name);
  if (!reader) return;
  state.counters["rows"] = reader->GetRowCount();
  state.counters["columns"] = reader->GetColumnCount();
}

void ReaderWithInMemoryParser(benchmark::State& state) {
  const wxString name = wxString::FromUTF8(BenchDataFilePath().c_str());
  for (auto _ : state) {
    wxFile file(name);
    const auto reader = tabulon::OpenDataFile(wxFileName(name), &file);
    if (!reader) state.SkipWithError("in-memory load failed");
    benchmark::DoNotOptimize(reader);
  }
}

// The text parser alone, to tell the parser's share of a load from the reader's.
void TextParserAlone(benchmark::State& state) {
  const wxString name = wxString::FromUTF8(BenchDataFilePath().c_str());
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
    std::ifstream in(BenchDataFilePath(), std::ios::binary);
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
  const auto reader = tabulon::OpenDataFile(wxFileName(wxString::FromUTF8(BenchDataFilePath().c_str())));
  if (!reader) {
    state.SkipWithError("the reader could not load the file");
    return;
  }
  for (auto _ : state) {
    std::size_t characters = 0;
    for (int row = 0; row < reader->GetRowCount(); ++row) {
      for (int column = 0; column < reader->GetColumnCount(); ++column) {
        characters += reader->GetCellText(row, column).length();
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

}  // namespace
