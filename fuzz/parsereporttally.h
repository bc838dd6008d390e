#pragma once
// Counts what a parser reported, for the parser fuzz targets and the test that replays their findings: a parser
// that said anything but success must have failed, and one that did not fail must have said success.
#include "tabulon/src/muparsereport.h"
#include <vector>

class ParseReportTally : public ParseReportSink {
 public:
  void ReceiveReports(const std::vector<ParseReport>& reports) override {
    for (const ParseReport& report : reports) {
      ++received;
      if (report.code != ParseReport_Success) ++failures;
    }
  }
  unsigned received = 0;
  unsigned failures = 0;
};
