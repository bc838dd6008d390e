#include "tools/datahook-runner/stimareafile.h"
#include "tools/datahook-runner/runpaths.h"
#include "tools/datahook-runner/utf8text.h"
#include <array>
#include <charconv>
#include <fstream>

namespace datahookrunner {

namespace {

constexpr std::size_t kNumberFields = 5;
const char* const kFieldNames[kNumberFields] = {"x", "y", "width", "height", "responseId"};
const char* const kLineLayout = "x<TAB>y<TAB>width<TAB>height<TAB>responseId<TAB>areaName";

// Strict: an optional minus sign and digits only, nothing before or after, within the range of int.
bool ParseInteger(const std::string& text, int& value) {
  if (text.empty() || text[0] == '+') return false;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

// Cuts the five numeric fields off the front; the rest of the line, tabs included, is the name.
bool SplitFields(const std::string& line, std::array<std::string, kNumberFields>& numbers, std::string& name) {
  std::size_t start = 0;
  for (std::size_t field = 0; field < kNumberFields; ++field) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string::npos) return false;
    numbers[field] = line.substr(start, tab - start);
    start = tab + 1;
  }
  name = line.substr(start);
  return true;
}

bool ParseNumbers(const std::array<std::string, kNumberFields>& texts, std::array<int, kNumberFields>& numbers,
                  std::string& problem) {
  for (std::size_t field = 0; field < kNumberFields; ++field) {
    if (!ParseInteger(texts[field], numbers[field])) {
      problem = std::string(kFieldNames[field]) + " is not an integer: '" + texts[field] + "'";
      return false;
    }
  }
  if (numbers[2] < 0 || numbers[3] < 0) {
    problem = "width and height must not be negative";
    return false;
  }
  return true;
}

void StripLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

void StripByteOrderMark(std::string& line) {
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
}

}  // namespace

bool ParseStimAreaLine(const std::string& line, Varnel::StimAreaData& area, std::string& problem) {
  std::array<std::string, kNumberFields> texts;
  std::string name;
  if (!SplitFields(line, texts, name)) {
    problem = "fewer than 6 tab-separated fields";
    return false;
  }
  std::array<int, kNumberFields> numbers{};
  if (!ParseNumbers(texts, numbers, problem)) return false;
  wxString decodedName;
  if (!DecodeUtf8(name, decodedName)) {
    problem = "areaName is not valid UTF-8";
    return false;
  }
  area.rect = wxRect(numbers[0], numbers[1], numbers[2], numbers[3]);
  area.responseId = numbers[4];
  area.areaName = decodedName;
  return true;
}

bool ReadStimAreaFile(const std::string& path, Varnel::StimAreaList& areas, std::string& error) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    error = "cannot read stimulus-area file '" + path + "'";
    return false;
  }
  std::string line;
  for (unsigned long number = 1; std::getline(in, line); ++number) {
    StripLineEnd(line);
    if (number == 1) StripByteOrderMark(line);
    if (line.empty()) continue;
    Varnel::StimAreaData area;
    std::string problem;
    if (!ParseStimAreaLine(line, area, problem)) {
      error =
          path + ":" + std::to_string(number) + ": malformed stimulus area (" + problem + "); expected " + kLineLayout;
      return false;
    }
    areas.push_back(area);
  }
  if (in.bad()) {
    error = "error while reading stimulus-area file '" + path + "'";
    return false;
  }
  return true;
}

}  // namespace datahookrunner
