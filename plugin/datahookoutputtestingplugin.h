#pragma once
#include "sdk/interface_datahookplugin.h"
#include "framework/verifierregistry.h"
#include <cstdint>
#include <memory>
#include <mutex>

namespace Varnel {

class FakeJUnitPrinter;

// The one plug-in object the host gets from VNSdkGetObjectPtr. It owns the test-result printer and routes every
// finished data file to the verifier registered for its experiment. The host's calls are taken one at a time,
// whichever of the host's threads makes them.
class DataHookOutputTestingPlugin : public Interface_DataHookPlugin {
 public:
  DataHookOutputTestingPlugin();
  ~DataHookOutputTestingPlugin() override;
  DataHookOutputTestingPlugin(const DataHookOutputTestingPlugin&) = delete;
  DataHookOutputTestingPlugin& operator=(const DataHookOutputTestingPlugin&) = delete;

  // Both keep their slots for the host's sake; they mean nothing to this plug-in.
  int SdkReservedQuery() override;
  void SdkReservedNotify(std::int32_t first, std::int32_t second) override;

  void PerformPostProcessing(const wxString& dataFilePath, const StimAreaList* stimAreas) override;
  bool OnHostAssertionFailure(const wxString& detailedText) override;
  void ReleaseTestPrinter() override;

  // Adds a verifier to the registry, as every verifier class does through its template while the library loads.
  // The first registration of a name (ignoring case) wins.
  static void RegisterOneSingleVerifier(const VerifierRegistration& registration);

  class PrivateImpl;

 private:
  void Dispatch(const wxString& dataFilePath, const StimAreaList* stimAreas);

  // Held by every call of the host and by the destruction at unload. Recursive: a host assertion can fire on the
  // thread that is inside a verification (the host's own helpers run there), and it must land, not deadlock.
  std::recursive_mutex hostCalls_;
  std::shared_ptr<PrivateImpl> impl;  // NOLINT(readability-identifier-naming): the host's own name
};

// The library's single plug-in object.
DataHookOutputTestingPlugin& ThePlugin();

}  // namespace Varnel
