#pragma once
#include "sdk/sdkexport.h"
#include <cstdint>

class wxWindow;
class wxPanel;

namespace VarnelSDK {

class VNSDK_API Interface_DynamicPluginSettingsManager {
 public:
  virtual ~Interface_DynamicPluginSettingsManager();
};

struct VNSDK_API RunningExperimentNecessities {};
struct VNSDK_API VNSdkPlugInInfo {};

// Base of every host plug-in. The host calls these operations by their position in the table of virtual
// operations, so their order is fixed; the defaults do nothing harmful.
class VNSDK_API VNSdkBase {
 public:
  VNSdkBase();
  virtual ~VNSdkBase();
  virtual bool Init();
  virtual bool DeInit();
  virtual Interface_DynamicPluginSettingsManager& SettingsManager();
  virtual int SdkReservedQuery();
  virtual void SdkReservedNotify(std::int32_t first, std::int32_t second);
  virtual bool NeedsPlugInID(int id) const;
  virtual int OnEndExperiment();
  virtual int OnStartExperiment(RunningExperimentNecessities& necessities);
  virtual void SetPlugInInfoObject(const VNSdkPlugInInfo* info);
  virtual const VNSdkPlugInInfo* GetPlugInInfoObject() const;
  virtual bool PluginHasBeenConvertedTo_NON_xrc() const;
  virtual wxPanel* FactoryFunction_GetNewEventPluginConfigPanel(wxWindow* parent) const;

 private:
  const VNSdkPlugInInfo* plugInInfo_ = nullptr;
};

}  // namespace VarnelSDK

// The host resolves this name in every plug-in library it loads.
extern "C" typedef VarnelSDK::VNSdkBase* (*VNSdkGetObjectPtrFunction)();
