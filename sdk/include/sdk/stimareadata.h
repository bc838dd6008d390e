#pragma once
#include <vector>
#include <wx/gdicmn.h>
#include <wx/string.h>

namespace Varnel {

// One stimulus area of a run. The host fills a list of these and hands it to the plug-in with every data file,
// so the layout is shared with the host and must not change.
struct StimAreaData {
  wxRect rect;
  wxString areaName;
  int responseId = 0;
};

using StimAreaList = std::vector<StimAreaData>;

}  // namespace Varnel
