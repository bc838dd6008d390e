#pragma once
#include "sdk/stimareadata.h"
#include <wx/string.h>

namespace Varnel {

class FakeJUnitPrinter;

// In an expected area, this value in any number field, and this name, match anything.
constexpr int kAnyStimAreaNumber = 98765;
extern const wxString kAnyStimAreaName;

StimAreaData MakeStimArea(int x, int y, int width, int height, int responseId, const wxString& areaName);

bool StimAreaMatches(const StimAreaData& actual, const StimAreaData& expected);

// Compares the host's areas with the expected ones: first their number, then, when that agrees, each in order.
void VerifyStimAreas(const StimAreaList& actual, const StimAreaList& expected, FakeJUnitPrinter* printer,
                     const wxString& location);

// One line per area on standard error, for a person reading the run's output.
void DumpStimAreas(const StimAreaList& areas);

}  // namespace Varnel
