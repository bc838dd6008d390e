// The parser fuzzers' oracle: a parser that did not fail must have said success, and nothing but success.
#include "hostkit/parsereporttally.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

namespace code = tabulon::ParseReportCode;

TEST(ParseReportTally, AgreesWithAFailedParserOrOneWhoseEveryReportSaidSuccess) {
  const struct {
    std::vector<std::int32_t> codes;
    bool parserFailed;
    bool agrees;
  } cases[] = {{{}, false, false},
               {{code::Success}, false, true},
               {{code::Success, code::BadLayout}, false, false},
               {{code::OpenFailed}, true, true}};
  for (const auto& c : cases) {
    hostkit::ParseReportTally tally;
    std::vector<tabulon::ParseReport> reports(c.codes.size());
    for (std::size_t i = 0; i < reports.size(); ++i) reports[i].code = c.codes[i];
    tally.ReceiveReports(reports);
    EXPECT_EQ(tally.AgreesWith(c.parserFailed), c.agrees) << c.codes.size() << " reports";
  }
}

}  // namespace
