#include "hostkit/pluginlibrary.h"
#include "sdk/vnsdkbase.h"
#include <exception>
#include <wx/log.h>

namespace hostkit {

namespace {

// The toolkit tells why a library could not be loaded or unloaded only through its log; while active, this
// keeps the last error, so that it becomes part of the caller's message, and passes anything else on.
class LogCapture : public wxLog {
 public:
  LogCapture() : previous(wxLog::GetActiveTarget()) { wxLog::SetActiveTarget(this); }
  ~LogCapture() override { wxLog::SetActiveTarget(previous); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::string Text() const { return text.empty() ? std::string("no further detail") : text; }
  bool Empty() const { return text.empty(); }

 protected:
  void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo& info) override {
    if (level <= wxLOG_Error) {
      text = message.utf8_string();
    } else if (previous != nullptr) {
      previous->LogRecord(level, message, info);
    }
  }

 private:
  wxLog* previous;
  std::string text;
};

VNSdkGetObjectPtrFunction FindFactory(const wxDynamicLibrary& library, std::string& error) {
  if (!library.HasSymbol("VNSdkGetObjectPtr")) {
    error = "the plug-in does not export VNSdkGetObjectPtr";
    return nullptr;
  }
  return reinterpret_cast<VNSdkGetObjectPtrFunction>(library.GetSymbol("VNSdkGetObjectPtr"));
}

// The host trusts the object to be a data-hook plug-in; the kit checks, so that a wrong library gives a
// message instead of a crash.
Varnel::Interface_DataHookPlugin* AskForPlugin(VNSdkGetObjectPtrFunction factory, std::string& error) {
  VarnelSDK::VNSdkBase* object = nullptr;
  try {
    object = factory();
  } catch (const std::exception& exception) {
    error = std::string("VNSdkGetObjectPtr threw an exception: ") + exception.what();
    return nullptr;
  } catch (...) {
    error = "VNSdkGetObjectPtr threw an exception";
    return nullptr;
  }
  if (object == nullptr) {
    error = "VNSdkGetObjectPtr returned no object";
    return nullptr;
  }
  auto* plugin = dynamic_cast<Varnel::Interface_DataHookPlugin*>(object);
  if (plugin == nullptr) error = "the object returned by VNSdkGetObjectPtr is not a data-hook plug-in";
  return plugin;
}

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Open(const std::string& path, std::string& error) {
  auto library = std::make_unique<wxDynamicLibrary>();
  {
    LogCapture reason;
    // Verbatim: the name is a path to load as it is, without an extension added or a search made.
    if (!library->Load(wxString::FromUTF8(path), wxDL_NOW | wxDL_VERBATIM)) {
      error = "cannot load plug-in '" + path + "': " + reason.Text();
      return nullptr;
    }
  }
  Varnel::Interface_DataHookPlugin* plugin = nullptr;
  if (VNSdkGetObjectPtrFunction factory = FindFactory(*library, error)) plugin = AskForPlugin(factory, error);
  if (plugin == nullptr) {
    error = "plug-in '" + path + "': " + error;
    return nullptr;
  }
  return std::unique_ptr<PluginLibrary>(new PluginLibrary(std::move(library), plugin));
}

PluginLibrary::~PluginLibrary() {
  std::string ignored;
  Close(ignored);
}

bool PluginLibrary::Close(std::string& error) {
  if (!library) return true;
  plugin = nullptr;
  LogCapture reason;
  library->Unload();
  library.reset();
  if (reason.Empty()) return true;
  error = "cannot unload the plug-in: " + reason.Text();
  return false;
}

}  // namespace hostkit
