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
  LogCapture() : previous_(wxLog::GetActiveTarget()) { wxLog::SetActiveTarget(this); }
  ~LogCapture() override { wxLog::SetActiveTarget(previous_); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::string Text() const { return text_.empty() ? std::string("no further detail") : text_; }
  bool Empty() const { return text_.empty(); }

 protected:
  void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo& info) override {
    if (level <= wxLOG_Error) {
      text_ = message.utf8_string();
    } else if (previous_ != nullptr) {
      previous_->LogRecord(level, message, info);
    }
  }

 private:
  wxLog* previous_;
  std::string text_;
};

Result<VNSdkGetObjectPtrFunction> FindFactory(const wxDynamicLibrary& library) {
  if (!library.HasSymbol("VNSdkGetObjectPtr")) return Failure("the plug-in does not export VNSdkGetObjectPtr");
  return reinterpret_cast<VNSdkGetObjectPtrFunction>(library.GetSymbol("VNSdkGetObjectPtr"));
}

// The host trusts the object to be a data-hook plug-in; the kit checks, so that a wrong library gives a
// message instead of a crash.
Result<Varnel::Interface_DataHookPlugin*> AskForPlugin(VNSdkGetObjectPtrFunction factory) {
  VarnelSDK::VNSdkBase* object = nullptr;
  try {
    object = factory();
  } catch (const std::exception& exception) {
    return Failure(std::string("VNSdkGetObjectPtr threw an exception: ") + exception.what());
  } catch (...) {
    return Failure("VNSdkGetObjectPtr threw an exception");
  }
  if (object == nullptr) return Failure("VNSdkGetObjectPtr returned no object");
  auto* plugin = dynamic_cast<Varnel::Interface_DataHookPlugin*>(object);
  if (plugin == nullptr) return Failure("the object returned by VNSdkGetObjectPtr is not a data-hook plug-in");
  return plugin;
}

Result<Varnel::Interface_DataHookPlugin*> FindPlugin(const wxDynamicLibrary& library) {
  const Result<VNSdkGetObjectPtrFunction> factory = FindFactory(library);
  if (!factory.Ok()) return Failure(factory.Error());
  return AskForPlugin(factory.Value());
}

}  // namespace

Result<std::unique_ptr<PluginLibrary>> PluginLibrary::Open(const std::string& path) {
  auto library = std::make_unique<wxDynamicLibrary>();
  {
    LogCapture reason;
    // Verbatim: the name is a path to load as it is, without an extension added or a search made.
    if (!library->Load(wxString::FromUTF8(path), wxDL_NOW | wxDL_VERBATIM)) {
      return Failure("cannot load plug-in '" + path + "': " + reason.Text());
    }
  }
  const Result<Varnel::Interface_DataHookPlugin*> plugin = FindPlugin(*library);
  if (!plugin.Ok()) return Failure("plug-in '" + path + "': " + plugin.Error());
  return std::unique_ptr<PluginLibrary>(new PluginLibrary(std::move(library), plugin.Value()));
}

PluginLibrary::~PluginLibrary() { (void)Close(); }

Status PluginLibrary::Close() {
  if (!library_) return {};
  plugin_ = nullptr;
  LogCapture reason;
  library_->Unload();
  library_.reset();
  if (reason.Empty()) return {};
  return Failure("cannot unload the plug-in: " + reason.Text());
}

}  // namespace hostkit
