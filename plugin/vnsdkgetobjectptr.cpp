#include "datahookoutputtestingplugin.h"
#include <wx/defs.h>

namespace Varnel {

namespace {
// Constructed while the library loads, so its printer exists from then on. Its place among the verifiers does
// not matter: building them reports nothing, and it uses neither them nor the registry when it goes.
DataHookOutputTestingPlugin thePlugin;
}  // namespace

DataHookOutputTestingPlugin& ThePlugin() { return thePlugin; }

}  // namespace Varnel

// The one name the host looks up in the library, and the only one the library exports on every platform. The object
// belongs to the library; the host never deletes it.
extern "C" WXEXPORT VarnelSDK::VNSdkBase* VNSdkGetObjectPtr() { return &Varnel::thePlugin; }
