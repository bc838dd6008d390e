#pragma once
#include <cstdint>
#include <vector>
#include <wx/string.h>

namespace tabulon {

// Outcome codes a parser reports.
enum ParseReportCode : std::int32_t {
  ParseReport_Success = 0,
  ParseReport_BadLayout = 6,
  ParseReport_FileTooLarge = 7,
  ParseReport_OpenFailed = 8,
};

struct ParseReport {
  std::int32_t code = ParseReport_Success;
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
