// A block that the host presents without having expanded it: only the one event that can run shows up.
#include "tabulon/columnnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class TestPresentUnexpandedBlock : public TestCaseWithFullColumnStringComp_T<TestPresentUnexpandedBlock> {
 public:
  static constexpr char kExperimentFileName[] = "2014-12-4_fail_to_present_block.vn5";

  // No duration windows: the run is a single event and its time says nothing.
  void RunChecks(VerificationContext) override {
    static const ExpectedTexts events = {"an event that runs"};
    CompareWholeColumn(tabulon::EventNameColumnName(), events);
  }
};

}  // namespace Varnel
