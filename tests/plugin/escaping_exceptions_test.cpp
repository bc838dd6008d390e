// Whatever a verifier throws becomes a failure in its own suite, and the host goes on.
#include "datahookoutputtestingplugin.h"
#include "reporting/fakejunitprinter.h"
#include "support/report.h"
#include "support/reportpaths.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <string>

namespace {

using namespace Varnel;

// Begins its suite and reports a pass, as a verifier does, then one of its checks throws.
class ThrowingVerifier : public Interface_SpecificIndividualTestVerifier {
 public:
  ThrowingVerifier(const char* suiteName, void (*check)()) : name(suiteName), throwingCheck(check) {}
  void VerifyDatafile(const wxString&, const StimAreaList*, FakeJUnitPrinter* printer) override {
    printer->BeginSuite(name);
    printer->ReportPass("before_the_throw");
    throwingCheck();
  }
  const char* name;
  void (*throwingCheck)();
};

ThrowingVerifier throwsRuntimeError("throws_runtime_error.vn5", [] { throw std::runtime_error("a check threw"); });
ThrowingVerifier throwsBadAlloc("throws_bad_alloc.vn5", [] { throw std::bad_alloc(); });
ThrowingVerifier throwsInteger("throws_integer.vn5", [] { throw 7; });

const bool registered = [] {
  DataHookOutputTestingPlugin::RegisterOneSingleVerifier({throwsRuntimeError.name, &throwsRuntimeError});
  DataHookOutputTestingPlugin::RegisterOneSingleVerifier({throwsBadAlloc.name, &throwsBadAlloc});
  DataHookOutputTestingPlugin::RegisterOneSingleVerifier({throwsInteger.name, &throwsInteger});
  return true;
}();

TEST(EscapingExceptions, BecomeAFailureInTheVerifiersSuiteAndTheHostGoesOn) {
  testsupport::ScratchDir scratch;
  ThePlugin().ReleaseTestPrinter();
  const struct {
    const char* suite;
    const char* message;
  } cases[] = {{"throws_runtime_error.vn5", "a check threw"},
               {"throws_bad_alloc.vn5", "out of memory (std::bad_alloc)"},
               {"throws_integer.vn5", "unknown exception"}};
  ::testing::internal::CaptureStderr();
  for (const auto& c : cases) ThePlugin().PerformPostProcessing(std::string("/data/") + c.suite + ".txt", nullptr);
  ThePlugin().PerformPostProcessing("/data/Other Experiment.txt", nullptr);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  ThePlugin().ReleaseTestPrinter();

  const testsupport::Report report = testsupport::ReadReport(testsupport::ReportPath());
  for (const auto& c : cases) {
    const std::vector<testsupport::Outcome> outcomes = report.OfSuite(c.suite);
    ASSERT_GE(outcomes.size(), 3u) << c.suite;
    EXPECT_FALSE(outcomes[0].failed);
    EXPECT_TRUE(outcomes[1].failed);
    EXPECT_EQ(outcomes[1].name, "unexpected_exception_in_PerformPostProcessing");
    EXPECT_EQ(outcomes[1].message, c.message);
    EXPECT_EQ(outcomes[2].name, "DataHookOutputTestingPlugin_PerformPostProcessing_was_called") << "the next call";
    EXPECT_NE(errors.find(std::string("PerformPostProcessing: ") + c.message), std::string::npos) << errors;
  }
  EXPECT_EQ(report.failures, 4) << "three escaped exceptions and the data file without verifier";
}

}  // namespace
