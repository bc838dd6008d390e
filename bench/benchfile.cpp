#include "benchfile.h"
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t kSizeLimit = 1048576;
constexpr int kTargetRows = 10000;

const char* const kHeadingTop[] = {"Block",      "Trial",         "Event",       "Participant", "Correct",
                                   "Error",      "Reaction",      "Cumulative",  "Event",       "Trial",
                                   "Block",      "Trial",         "Event",       "Code",        "Tag",
                                   "Font Color", "ISI Durations", "Target Word", "Stimulus",    "Key"};
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
  line << "Block" << block << '\t' << "Trial" << trial << '\t' << events[event] << '\t' << (correct ? "f" : "j") << '\t'
       << "f" << '\t' << (correct ? "C" : "E") << '\t' << reaction << '\t' << cumulative << '\t' << cumulative + 12
       << '\t' << cumulative - event * 375 << '\t' << block << '\t' << trial << '\t' << event + 1 << '\t'
       << (event * 3 + 1) << '\t' << "t" << event << '\t' << colors[row % 4] << '\t' << 500 + (row % 3) * 250 << '\t'
       << words[row % 5] << '\t' << "s" << row % 40 << ".png" << '\t' << "f" << '\n';
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

}  // namespace

const std::string& BenchDataFilePath() {
  static const BenchFile file;
  return file.path;
}
