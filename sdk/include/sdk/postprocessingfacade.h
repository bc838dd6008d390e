#pragma once
#include "sdk/sdkexport.h"
#include <wx/string.h>

namespace Varnel {

class VNSDK_API PostProcessingFacade {
 public:
  // The text the host writes into a tag column for a tag's earlier and current value.
  static wxString GetFormattedTagsDataCell(const wxString& first, const wxString& second, bool flag);
};

}  // namespace Varnel
