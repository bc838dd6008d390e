#pragma once
#include "sdk/sdkexport.h"
#include "sdk/stimareadata.h"
#include "sdk/vnsdkbase.h"
#include <wx/string.h>

namespace Varnel {

// A plug-in that the host calls after each run with the data file it wrote.
class VNSDK_API Interface_DataHookPlugin : public VarnelSDK::VNSdkBase {
 public:
  ~Interface_DataHookPlugin() override;
  virtual void PerformPostProcessing(const wxString& dataFilePath, const StimAreaList* stimAreas) = 0;
  virtual bool OnHostAssertionFailure(const wxString& detailedText) = 0;
  virtual void ReleaseTestPrinter() = 0;
};

}  // namespace Varnel
