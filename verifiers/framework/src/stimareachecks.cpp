#include "framework/stimareachecks.h"
#include "framework/checkoutcome.h"
#include "reporting/fakejunitprinter.h"
#include <cstdio>

namespace Varnel {

const wxString kAnyStimAreaName = "\t\t\t";

namespace {

bool NumberMatches(int actual, int expected) { return expected == kAnyStimAreaNumber || actual == expected; }

wxString DescribeStimArea(const StimAreaData& area) {
  return wxString::Format("x %d, y %d, width %d, height %d, response id %d, name {%s}", area.rect.x, area.rect.y,
                          area.rect.width, area.rect.height, area.responseId, area.areaName);
}

wxString CountFinding(const StimAreaList& actual, const StimAreaList& expected) {
  return wxString::Format("found %d stim areas, expected %d", static_cast<int>(actual.size()),
                          static_cast<int>(expected.size()));
}

}  // namespace

StimAreaData MakeStimArea(int x, int y, int width, int height, int responseId, const wxString& areaName) {
  StimAreaData area;
  area.rect = wxRect(x, y, width, height);
  area.areaName = areaName;
  area.responseId = responseId;
  return area;
}

bool StimAreaMatches(const StimAreaData& actual, const StimAreaData& expected) {
  return NumberMatches(actual.rect.x, expected.rect.x) && NumberMatches(actual.rect.y, expected.rect.y) &&
         NumberMatches(actual.rect.width, expected.rect.width) &&
         NumberMatches(actual.rect.height, expected.rect.height) &&
         NumberMatches(actual.responseId, expected.responseId) &&
         (expected.areaName == kAnyStimAreaName || expected.areaName == actual.areaName);
}

void VerifyStimAreas(const StimAreaList& actual, const StimAreaList& expected, FakeJUnitPrinter* printer,
                     const wxString& location) {
  static const wxString countTest = "Correct_quantity_of_stim_areas";
  if (actual.size() > expected.size()) {
    ReportFailureTo(printer, countTest, "Too many data stim areas. More than expected.", location, "No extra info.")
        << CountFinding(actual, expected);
    return;
  }
  if (actual.size() < expected.size()) {
    ReportFailureTo(printer, countTest, "Too few stim areas. Fewer than expected.", location, "No extra info.")
        << CountFinding(actual, expected);
    return;
  }
  static const wxString orderTest = "StimArea_vector_is_complete_and_in_order";
  for (size_t i = 0; i < actual.size(); ++i) {
    if (!StimAreaMatches(actual[i], expected[i])) {
      ReportFailureTo(
          printer, orderTest, "Unexpected info in the vector of stim areas.", location,
          wxString::Format("Stim area problem in the %d_th position in the stim area sequence.", static_cast<int>(i)))
          << wxString::Format("area %d found: ", static_cast<int>(i)) + DescribeStimArea(actual[i])
          << wxString::Format("area %d expected: ", static_cast<int>(i)) + DescribeStimArea(expected[i]) +
                 " (98765 and a name of three TABs match anything)";
      return;
    }
  }
  printer->ReportPass(orderTest);
}

void DumpStimAreas(const StimAreaList& areas) {
  for (const StimAreaData& area : areas) {
    std::fprintf(stderr, "x:%5d | y:%5d | width:%6d | height:%6d | response_id:%6d | area_name:[%s]\n", area.rect.x,
                 area.rect.y, area.rect.width, area.rect.height, area.responseId,
                 static_cast<const char*>(area.areaName.ToAscii()));
  }
}

}  // namespace Varnel
