#include "datafile.h"
#include "files.h"

namespace testsupport {

namespace {
std::string JoinTabs(const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) line += (i > 0 ? "\t" : "") + cells[i];
  return line + "\n";
}
}  // namespace

void WriteDataFile(const std::string& path, const std::vector<std::string>& columns,
                   const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> first, second;
  for (const std::string& column : columns) {
    const size_t lineFeed = column.find('\n');
    first.push_back(column.substr(0, lineFeed));
    second.push_back(lineFeed == std::string::npos ? std::string() : column.substr(lineFeed + 1));
  }
  std::string text = "P01\nAn experiment\n2026-12-06 10:15:42\nData file version 5\n";
  text += JoinTabs(first) + JoinTabs(second);
  for (const auto& row : rows) text += JoinTabs(row);
  WriteFile(path, text);
}

}  // namespace testsupport
