#pragma once
#include <cstdint>
#include <vector>
#include <wx/string.h>

namespace tabulon {

// Outcome codes a parser reports.
namespace ParseReportCode {
constexpr std::int32_t Success = 0;
constexpr std::int32_t BadLayout = 6;
constexpr std::int32_t FileTooLarge = 7;
constexpr std::int32_t OpenFailed = 8;
}  // namespace ParseReportCode

struct ParseReport {
  std::int32_t code = ParseReportCode::Success;
  wxString message;
  wxString filePath;
};

// Receives the reports of a parser, one batch at a time. Optional: without a sink only the failure flag tells.
class ParseReportSink {
 public:
  virtual ~ParseReportSink() = default;
  virtual void ReceiveReports(const std::vector<ParseReport>& reports) = 0;
};

}  // namespace tabulon
