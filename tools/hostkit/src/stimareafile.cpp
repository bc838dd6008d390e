#include "hostkit/stimareafile.h"
#include "tabulon/mudatafilebytes.h"
#include "hostkit/utf8text.h"
#include <array>
#include <charconv>
#include <cstring>
#include <utility>

namespace hostkit {

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

// Read by the plug-in's rules for data files: opened once without blocking, a regular file, within the limit.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  MUDataFileBytes read = MUReadDataFileBytes(wxString::FromUTF8(path), kMaximumStimAreaFileSize);
  const std::string cannot = "cannot read stimulus-area file '" + path + "'";
  switch (read.failure) {
    case MUDataFileBytes::Failure::None:
      bytes = std::move(read.bytes);
      return true;
    case MUDataFileBytes::Failure::CannotOpen:
      error = cannot + ": " + std::strerror(read.systemError);
      return false;
    case MUDataFileBytes::Failure::NotRegular:
      error = cannot + ": not a regular file";
      return false;
    case MUDataFileBytes::Failure::TooLarge:
      error = cannot + ": larger than " + std::to_string(kMaximumStimAreaFileSize) + " bytes";
      return false;
  }
  return false;
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

bool ParseStimAreaText(const std::string& bytes, const std::string& name, Varnel::StimAreaList& areas,
                       std::string& error) {
  std::size_t start = 0;
  for (unsigned long number = 1; start < bytes.size(); ++number) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    StripLineEnd(line);
    if (number == 1) StripByteOrderMark(line);
    if (line.empty()) continue;
    Varnel::StimAreaData area;
    std::string problem;
    if (!ParseStimAreaLine(line, area, problem)) {
      error.assign(name)
          .append(":")
          .append(std::to_string(number))
          .append(": malformed stimulus area (")
          .append(problem)
          .append("); expected ")
          .append(kLineLayout);
      return false;
    }
    areas.push_back(area);
  }
  return true;
}

bool ReadStimAreaFile(const std::string& path, Varnel::StimAreaList& areas, std::string& error) {
  std::string bytes;
  return ReadWholeFile(path, bytes, error) && ParseStimAreaText(bytes, path, areas, error);
}

}  // namespace hostkit
