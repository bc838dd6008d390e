#include "plugin/datahookoutputtestingplugin.h"
#include "plugin/staticinitorder.h"
#include <wx/defs.h>

namespace Varnel {

namespace {
// Constructed right after the registry, before any verifier; its printer exists from load time on.
DataHookOutputTestingPlugin thePlugin DH_INIT_ORDER(kPluginObjectInitOrder);
}  // namespace

DataHookOutputTestingPlugin& ThePlugin() { return thePlugin; }

}  // namespace Varnel

// The one name the host looks up in the library, and the only one the library exports on every platform. The object
// belongs to the library; the host never deletes it.
extern "C" WXEXPORT VarnelSDK::VNSdkBase* VNSdkGetObjectPtr() { return &Varnel::thePlugin; }
