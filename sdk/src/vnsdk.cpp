#include "sdk/interface_datahookplugin.h"
#include "sdk/postprocessingfacade.h"
#include "sdk/vnsdkbase.h"

namespace VarnelSDK {

Interface_DynamicPluginSettingsManager::~Interface_DynamicPluginSettingsManager() = default;

namespace {
Interface_DynamicPluginSettingsManager& NoSettings() {
  static Interface_DynamicPluginSettingsManager settings;
  return settings;
}
}  // namespace

VNSdkBase::VNSdkBase() = default;
VNSdkBase::~VNSdkBase() = default;
bool VNSdkBase::Init() { return true; }
bool VNSdkBase::DeInit() { return true; }
Interface_DynamicPluginSettingsManager& VNSdkBase::SettingsManager() { return NoSettings(); }
int VNSdkBase::SdkReservedQuery() { return 0; }
void VNSdkBase::SdkReservedNotify(std::int32_t, std::int32_t) {}
bool VNSdkBase::NeedsPlugInID(int) const { return false; }
int VNSdkBase::OnEndExperiment() { return 0; }
int VNSdkBase::OnStartExperiment(RunningExperimentNecessities&) { return 0; }
void VNSdkBase::SetPlugInInfoObject(const VNSdkPlugInInfo* info) { plugInInfo_ = info; }
const VNSdkPlugInInfo* VNSdkBase::GetPlugInInfoObject() const { return plugInInfo_; }
bool VNSdkBase::PluginHasBeenConvertedTo_NON_xrc() const { return true; }
wxPanel* VNSdkBase::FactoryFunction_GetNewEventPluginConfigPanel(wxWindow*) const { return nullptr; }

}  // namespace VarnelSDK

namespace Varnel {

Interface_DataHookPlugin::~Interface_DataHookPlugin() = default;

// The host's own formatting is not available here; the first text is what a tag cell shows when the tag
// keeps its value, which is all the verifiers rely on.
wxString PostProcessingFacade::GetFormattedTagsDataCell(const wxString& first, const wxString&, bool) { return first; }

}  // namespace Varnel
