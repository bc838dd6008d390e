// What every verification does around a verifier's own checks that the corpora cannot show: the context a
// verifier is handed and a verifier that forgets its notifier. What the catalogued verifiers report around their checks
// (timing records, the expansion time's heading, unreadable and empty files) is the corpora's.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "support/datafile.h"
#include "support/files.h"
#include "support/recordingprinter.h"
#include "support/scratchdir.h"
#include "framework/individualtestcase.h"
#include <gtest/gtest.h>

namespace {

using namespace Varnel;
using testsupport::RecordingPrinter;
using Entries = std::vector<std::string>;

const std::string kLocation = "Whichever/File/Focuses/On/Verifying/";

// Reports one pass per run, so the place of the checks among the template's outcomes shows.
class OrdinaryVerifier : public IndividualTestCase_T<OrdinaryVerifier, false> {
 public:
  static constexpr char kExperimentFileName[] = "ordinary.vn5";
  void RunChecks(VerificationContext context) override {
    ++runs;
    lastContext = context;
    ReportPass("own_check");
  }
  int runs = 0;
  VerificationContext lastContext;
};

// Declares an unreadable file as expected but forgets to say what to report then.
class ForgetsTheNotifier : public IndividualTestCase_T<ForgetsTheNotifier, true> {
 public:
  static constexpr char kExperimentFileName[] = "forgetful.vn4";
  void RunChecks(VerificationContext) override {}
};

class VerifierTemplate : public ::testing::Test {
 protected:
  std::string DataFile(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows,
                       const std::string& name = "ordinary.vn5 P01.txt") {
    const std::string path = scratch_.File(name);
    testsupport::WriteDataFile(path, columns, rows);
    return path;
  }
  testsupport::ScratchDir scratch_;
  RecordingPrinter printer_;
};

TEST_F(VerifierTemplate, ReadableFileGivesSuitePassChecksThenTimingRecords) {
  OrdinaryVerifier verifier;
  StimAreaList areas(1);
  const std::string path =
      DataFile({"Event\nName", "Cumulative\nTime", "Expansion Time(ms): 57"}, {{"e1", "100", ""}, {"e2", "2750", ""}});
  verifier.VerifyDatafile(path, &areas, &printer_);
  EXPECT_EQ(printer_.entries, (Entries{"suite ordinary.vn5", "pass VerifyDatafile_was_called_for_ordinary.vn5",
                                       "pass own_check", "pass __TIMING__TRACKING__ordinary.vn5__2750_ms",
                                       "pass __EXPANSION__TRACKING__ordinary.vn5__57_ms"}));
  EXPECT_EQ(verifier.lastContext.stimAreas, &areas);
  EXPECT_EQ(verifier.lastContext.printer, &printer_);
  ASSERT_TRUE(verifier.lastContext.reader);
  EXPECT_EQ(verifier.lastContext.reader->GetRowCount(), 2);
}

TEST_F(VerifierTemplate, ForgottenNotifierIsReported) {
  ForgetsTheNotifier verifier;
  verifier.VerifyDatafile(scratch_.File("nothing.txt"), nullptr, &printer_);
  EXPECT_EQ(printer_.entries.back(),
            "FAIL Failed_To_Override_Notifier_Function_OnNotifyUnableToReadDatafile | Incorrect subclass of "
            "IndividualTestCase_T. | " +
                kLocation +
                "forgetful.vn4:327 | You set EXPECT_EMPTY_DATAFILE to true, "
                "which means you MUST override OnNotifyUnableToReadDatafile.");
  EXPECT_EQ(printer_.entries.size(), 3u);
}

}  // namespace
