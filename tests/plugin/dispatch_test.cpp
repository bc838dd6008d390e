// Routing a finished data file to the verifier registered for its experiment.
#include "datahookoutputtestingplugin.h"
#include "reporting/fakejunitprinter.h"
#include "support/files.h"
#include "support/reportpaths.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace Varnel;

const std::string kReport = testsupport::ReportPath();

// Records the calls it gets and reports one pass, so a hit shows in the report too.
class RecordingVerifier : public Interface_SpecificIndividualTestVerifier {
 public:
  explicit RecordingVerifier(const char* reportTag) : tag(reportTag) {}
  void VerifyDatafile(const wxString& path, const StimAreaList* areas, FakeJUnitPrinter* printer) override {
    paths.push_back(path);
    lastAreas = areas;
    printer->ReportPass(wxString("verified_by_") + tag);
  }
  const char* tag;
  std::vector<wxString> paths;
  const StimAreaList* lastAreas = nullptr;
};

RecordingVerifier blockOptions("block_options");
RecordingVerifier withBlank("with_blank");

// Registered as a verifier would be while the library loads.
const bool registered = [] {
  DataHookOutputTestingPlugin::RegisterOneSingleVerifier({"2013-01_assorted_new_block_options.vn5", &blockOptions});
  DataHookOutputTestingPlugin::RegisterOneSingleVerifier({"has blank.vn5", &withBlank});
  return true;
}();

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override { ThePlugin().ReleaseTestPrinter(); }
  std::string ReportAfterRelease() {
    ThePlugin().ReleaseTestPrinter();
    return testsupport::ReadFile(kReport);
  }
  testsupport::ScratchDir scratch_;
};

TEST_F(Dispatch, DataFileReachesItsVerifierWhateverTheCaseAndSuffix) {
  StimAreaList areas(2);
  const wxString path = "/data/2013-01_Assorted_New_Block_Options.vn5 P01 2014.txt";
  ThePlugin().PerformPostProcessing(path, &areas);
  ThePlugin().PerformPostProcessing("2013-01_assorted_new_block_options.vn5.txt", nullptr);
  ASSERT_EQ(blockOptions.paths.size(), 2u);
  EXPECT_EQ(blockOptions.paths[0], path) << "the verifier gets the full, unchanged path";
  EXPECT_EQ(blockOptions.lastAreas, nullptr);
  const std::string report = ReportAfterRelease();
  EXPECT_NE(report.find("test002DataHookOutputTestingPlugin_PerformPostProcessing_was_called\""), std::string::npos);
  EXPECT_NE(report.find("test003verified_by_block_options"), std::string::npos);
  EXPECT_EQ(report.find("locating_verifier_for_"), std::string::npos);
}

TEST_F(Dispatch, NameWithABlankCanNeverBeReached) {
  ThePlugin().PerformPostProcessing("has blank.vn5.txt", nullptr);
  EXPECT_TRUE(withBlank.paths.empty());
  EXPECT_NE(ReportAfterRelease().find("locating_verifier_for_has blank.vn5"), std::string::npos);
}

}  // namespace
