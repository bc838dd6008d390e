// An outcome takes its findings only when its check failed; Otherwise builds them only then.
#include "support/recordingprinter.h"
#include "framework/checkoutcome.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Varnel::CheckOutcome;
using Findings = std::vector<std::string>;

class FindingsPrinter : public testsupport::RecordingPrinter {
 public:
  void AddFinding(const wxString& text) override { findings.push_back(text.utf8_string()); }
  Findings findings;
};

// Streams one finding, a list of two and a built one into an outcome; counts how often the builder ran.
Findings FindingsOf(bool held, int* built) {
  FindingsPrinter printer;
  CheckOutcome(&printer, held) << "one" << std::vector<wxString>{"two", "three"};
  CheckOutcome(&printer, held).Otherwise([built] {
    ++*built;
    return wxString("built");
  });
  return printer.findings;
}

TEST(CheckOutcome, AFailureKeepsEveryFindingInOrder) {
  int built = 0;
  EXPECT_EQ(FindingsOf(false, &built), (Findings{"one", "two", "three", "built"}));
  EXPECT_EQ(built, 1);
}

TEST(CheckOutcome, APassKeepsNoneAndBuildsNone) {
  int built = 0;
  EXPECT_EQ(FindingsOf(true, &built), Findings{});
  EXPECT_EQ(built, 0);
}

}  // namespace
