// The report's own schema accepts what the printer writes and rejects reports that break its shape.
#include "printerfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace printertest;

std::string WrittenReport() {
  {
    const auto printer = NewPrinter();
    printer->BeginSuite("A");
    printer->ReportPass("p");
    printer->ReportFailure("f", "subject", "location", "message");
  }
  return testsupport::ReadFile(kReport);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ReportSchema, AcceptsThePrintersReportAndRejectsBrokenShapes) {
  testsupport::ScratchDir scratch;
  const std::string report = WrittenReport();
  ASSERT_EQ(testsupport::SchemaErrors(kReport), "");

  const struct {
    const char* fault;
    std::string text;
  } broken[] = {
      {"a missing attribute", Replaced(report, " status=\"run\" time=\"999\" />", " time=\"999\" />")},
      {"an unknown element", Replaced(report, "    </testsuite>", "    <skipped/>\n    </testsuite>")},
      {"a failure outside a test case",
       Replaced(report, "    </testsuite>", "    <failure message=\"m\" type=\"\">t</failure>\n    </testsuite>")},
      {"a count that is not a number", Replaced(report, "tests=\"2\"", "tests=\"two\"")},
  };
  for (const auto& variant : broken) {
    testsupport::WriteFile("broken.xml", variant.text);
    EXPECT_NE(testsupport::SchemaErrors("broken.xml"), "") << variant.fault;
  }
}

}  // namespace
