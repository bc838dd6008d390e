#include "hostkit/stimareafile.h"
#include "tabulon/datafilebytes.h"
#include "hostkit/utf8text.h"
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <utility>

namespace hostkit {

namespace {

constexpr std::size_t kNumberFields = 5;
const char* const kFieldNames[kNumberFields] = {"x", "y", "width", "height", "responseId"};
const char* const kLineLayout = "x<TAB>y<TAB>width<TAB>height<TAB>responseId<TAB>areaName";

// Strict: an optional minus sign and digits only, nothing before or after, within the range of int (from_chars
// takes no plus sign, space or empty text).
std::optional<int> ParseInteger(const std::string& text) {
  const char* end = text.data() + text.size();
  int value = 0;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// A line's fields: the five numeric ones as texts, and the name.
struct LineFields {
  std::array<std::string, kNumberFields> numbers;
  std::string name;
};

// Cuts the five numeric fields off the front; the rest of the line, tabs included, is the name. None with
// fewer fields.
std::optional<LineFields> SplitFields(const std::string& line) {
  LineFields fields;
  std::size_t start = 0;
  for (std::size_t field = 0; field < kNumberFields; ++field) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string::npos) return std::nullopt;
    fields.numbers[field] = line.substr(start, tab - start);
    start = tab + 1;
  }
  fields.name = line.substr(start);
  return fields;
}

Result<std::array<int, kNumberFields>> ParseNumbers(const std::array<std::string, kNumberFields>& texts) {
  std::array<int, kNumberFields> numbers{};
  for (std::size_t field = 0; field < kNumberFields; ++field) {
    const std::optional<int> number = ParseInteger(texts[field]);
    if (!number) return Failure(std::string(kFieldNames[field]) + " is not an integer: '" + texts[field] + "'");
    numbers[field] = *number;
  }
  if (numbers[2] < 0 || numbers[3] < 0) return Failure("width and height must not be negative");
  return numbers;
}

// Read by the plug-in's rules for data files: opened once without blocking, a regular file, within the limit.
Result<std::string> ReadWholeFile(const std::string& path) {
  tabulon::DataFileBytes read = tabulon::ReadDataFileBytes(wxString::FromUTF8(path), kMaximumStimAreaFileSize);
  const std::string cannot = "cannot read stimulus-area file '" + path + "'";
  switch (read.failure) {
    case tabulon::DataFileBytes::Failure::None:
      return std::move(read.bytes);
    case tabulon::DataFileBytes::Failure::CannotOpen:
      return Failure(cannot + ": " + std::strerror(read.systemError.value()));
    case tabulon::DataFileBytes::Failure::NotRegular:
      return Failure(cannot + ": not a regular file");
    case tabulon::DataFileBytes::Failure::TooLarge:
      return Failure(cannot + ": larger than " + std::to_string(kMaximumStimAreaFileSize) + " bytes");
  }
  return Failure(cannot);
}

void StripLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

void StripByteOrderMark(std::string& line) {
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
}

Failure MalformedLine(const std::string& name, unsigned long number, const std::string& problem) {
  return Failure(name + ":" + std::to_string(number) + ": malformed stimulus area (" + problem + "); expected " +
                 kLineLayout);
}

}  // namespace

Result<Varnel::StimAreaData> ParseStimAreaLine(const std::string& line) {
  const std::optional<LineFields> fields = SplitFields(line);
  if (!fields) return Failure("fewer than 6 tab-separated fields");
  const Result<std::array<int, kNumberFields>> numbers = ParseNumbers(fields->numbers);
  if (!numbers.Ok()) return Failure(numbers.Error());
  const std::optional<wxString> decodedName = DecodeUtf8(fields->name);
  if (!decodedName) return Failure("areaName is not valid UTF-8");
  Varnel::StimAreaData area;
  const std::array<int, kNumberFields>& n = numbers.Value();
  area.rect = wxRect(n[0], n[1], n[2], n[3]);
  area.responseId = n[4];
  area.areaName = *decodedName;
  return area;
}

Result<Varnel::StimAreaList> ParseStimAreaText(const std::string& bytes, const std::string& name) {
  Varnel::StimAreaList areas;
  std::size_t start = 0;
  for (unsigned long number = 1; start < bytes.size(); ++number) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    StripLineEnd(line);
    if (number == 1) StripByteOrderMark(line);
    if (line.empty()) continue;
    Result<Varnel::StimAreaData> area = ParseStimAreaLine(line);
    if (!area.Ok()) return MalformedLine(name, number, area.Error());
    areas.push_back(std::move(area).Value());
  }
  return areas;
}

Result<Varnel::StimAreaList> ReadStimAreaFile(const std::string& path) {
  const Result<std::string> bytes = ReadWholeFile(path);
  if (!bytes.Ok()) return Failure(bytes.Error());
  return ParseStimAreaText(bytes.Value(), path);
}

}  // namespace hostkit
