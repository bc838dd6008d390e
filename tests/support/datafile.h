#pragma once
#include <string>
#include <vector>

namespace testsupport {

// Writes a data file as the host does: three header lines, a line the parser skips, the two heading rows (a
// column name's part before its line feed goes in the first, the rest in the second) and one line per row.
void WriteDataFile(const std::string& path, const std::vector<std::string>& columns,
                   const std::vector<std::vector<std::string>>& rows);

}  // namespace testsupport
