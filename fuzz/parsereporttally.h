#pragma once
// Counts what a parser reported, for the parser fuzz targets and the test that replays their findings: a parser
// that said anything but success must have failed, and one that did not fail must have said success.
#include "tabulon/src/parsereport.h"
#include <vector>

class ParseReportTally : public tabulon::ParseReportSink {
 public:
  void ReceiveReports(const std::vector<tabulon::ParseReport>& reports) override {
    for (const tabulon::ParseReport& report : reports) {
      ++received;
      if (report.code != tabulon::ParseReport_Success) ++failures;
    }
  }
  unsigned received = 0;
  unsigned failures = 0;
};
