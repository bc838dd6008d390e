#pragma once
// The parsers' defined outcome, judged in one place for the parser fuzz targets and the test that replays their
// findings: a parser that said anything but success must have failed, one that did not fail must have said
// success, and a failed parser hands out no rows.
#include "tabulon/parsereport.h"
#include <vector>

namespace hostkit {

class ParseReportTally : public tabulon::ParseReportSink {
 public:
  void ReceiveReports(const std::vector<tabulon::ParseReport>& reports) override {
    for (const tabulon::ParseReport& report : reports) {
      ++received;
      if (report.code != tabulon::ParseReportCode::Success) ++failures;
    }
  }
  // Whether what the parser reported agrees with whether it failed: any failing report means it failed.
  bool AgreesWith(bool parserFailed) const { return parserFailed || (received > 0 && failures == 0); }
  unsigned received = 0;
  unsigned failures = 0;
};

// Whether a parser handed out rows as it should: no more than it counted, and none once it failed.
inline bool DefinedRows(bool parserFailed, unsigned read, unsigned counted) {
  return read <= counted && (!parserFailed || read == 0);
}

}  // namespace hostkit
