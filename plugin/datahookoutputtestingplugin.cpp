#include "plugin/datahookoutputtestingplugin.h"
#include "reporting/findingsrecordingprinter.h"
#include "reporting/maketestlocation.h"
#include <cstdio>
#include <exception>
#include <memory>

namespace Varnel {

namespace {

// Host assertion failures are numbered for the life of the library, across printers.
std::int32_t assertionCounter = 0;

const char kPluginFileText[] = "DataHookOutputTestingPlugin";
// The lines that locate the plug-in's own failures.
constexpr int kNoVerifierLine = 162;
constexpr int kHostAssertionLine = 182;
// How many registered names a failed lookup suggests.
constexpr std::size_t kClosestNamesShown = 3;

// The plug-in runs inside the host's process: an exception must never cross back into it. Whatever escapes
// a verifier is reported as a failure of its own, so the run still leaves a clear outcome.
template <typename Work>
void WithoutEscapingExceptions(FakeJUnitPrinter* printer, const wxString& what, Work work) {
  wxString reason;
  try {
    work();
    return;
  } catch (const std::exception& error) {
    reason = wxString::FromUTF8(error.what());
  } catch (...) {
    reason = "unknown exception";
  }
  std::fprintf(stderr, "dh-AutomatedTesting: %s: %s\n", static_cast<const char*>(what.utf8_str()),
               static_cast<const char*>(reason.utf8_str()));
  try {
    if (printer != nullptr) {
      printer->ReportFailure("unexpected_exception_in_" + what, "the plug-in stopped this step early",
                             MakeTestLocation(kPluginFileText, 0), reason);
    }
  } catch (...) {
  }
}

}  // namespace

class DataHookOutputTestingPlugin::PrivateImpl {
 public:
  PrivateImpl() = default;
  ~PrivateImpl() { delete TakePrinter(); }
  PrivateImpl(const PrivateImpl&) = delete;
  PrivateImpl& operator=(const PrivateImpl&) = delete;

  FakeJUnitPrinter* GetOrCreatePrinter() {
    if (printer != nullptr) return printer;
    printer = new FindingsRecordingPrinter(std::make_unique<ConcreteFakeJUnitPrinter>(
        "FakeUnitTestsDataHookExperimentRunning", "auto_experiment_tests", true));
    printer->ReportPass("SingleDummyPassingTest");
    return printer;
  }

  // Leaves the member null before the caller deletes the printer (deleting it writes the report).
  FakeJUnitPrinter* TakePrinter() {
    FakeJUnitPrinter* taken = printer;
    printer = nullptr;
    return taken;
  }

 private:
  FakeJUnitPrinter* printer = nullptr;
};

DataHookOutputTestingPlugin::DataHookOutputTestingPlugin() {
  auto created = std::make_shared<PrivateImpl>();
  created->GetOrCreatePrinter();
  impl = created;
}

DataHookOutputTestingPlugin::~DataHookOutputTestingPlugin() = default;

int DataHookOutputTestingPlugin::SdkReservedQuery() { return -7654; }

void DataHookOutputTestingPlugin::SdkReservedNotify(std::int32_t, std::int32_t) {}

void DataHookOutputTestingPlugin::RegisterOneSingleVerifier(VerifierRegistration registration) {
  RegisterVerifier(registration);
}

void DataHookOutputTestingPlugin::PerformPostProcessing(const wxString& dataFilePath, const StimAreaList* stimAreas) {
  FakeJUnitPrinter* printer = nullptr;
  WithoutEscapingExceptions(printer, "PerformPostProcessing", [&] {
    printer = impl->GetOrCreatePrinter();
    printer->BeginDataFile(dataFilePath);
    Dispatch(dataFilePath, stimAreas);
  });
}

void DataHookOutputTestingPlugin::Dispatch(const wxString& dataFilePath, const StimAreaList* stimAreas) {
  FakeJUnitPrinter* printer = impl->GetOrCreatePrinter();
  printer->ReportPass("DataHookOutputTestingPlugin_PerformPostProcessing_was_called");

  const VerifierRegistry& registry = TheVerifierRegistry();
  const auto found = registry.find(RegistryKeyForDataFile(dataFilePath));
  if (found != registry.end()) {
    found->second.verifier->VerifyDatafile(dataFilePath, stimAreas, printer);
    return;
  }
  printer->ReportFailure("locating_verifier_for_" + DataFileNamePart(dataFilePath),
                         "no logic was found to test this datafile. one cause could be DUPLICATE NAMES of datafiles",
                         MakeTestLocation(kPluginFileText, kNoVerifierLine),
                         "we should have found something mapped by name. it should have registered via "
                         "DataHookOutputTestingPlugin::RegisterOneSingleVerifier");
  printer->AddFinding("looked up the registry key {" + RegistryKeyForDataFile(dataFilePath) + "}");
  wxString closest;
  for (const wxString& name : ClosestRegisteredNames(RegistryKeyForDataFile(dataFilePath), kClosestNamesShown)) {
    closest += (closest.empty() ? "{" : ", {") + name + "}";
  }
  printer->AddFinding("closest registered names: " + (closest.empty() ? wxString("none registered") : closest));
}

bool DataHookOutputTestingPlugin::OnHostAssertionFailure(const wxString& detailedText) {
  FakeJUnitPrinter* printer = nullptr;
  WithoutEscapingExceptions(printer, "OnHostAssertionFailure", [&] {
    printer = impl->GetOrCreatePrinter();
    // The host's assertion failures are about no data file.
    printer->BeginDataFile(wxString());
    ++assertionCounter;
    printer->ReportFailure(wxString::Format("TestingPluginDH_AssertionFailure_%05d", assertionCounter),
                           "actual file and line number shown in DETAILED TEXT",
                           MakeTestLocation(kPluginFileText, kHostAssertionLine), detailedText);
  });
  return true;
}

void DataHookOutputTestingPlugin::ReleaseTestPrinter() {
  WithoutEscapingExceptions(nullptr, "ReleaseTestPrinter", [&] { delete impl->TakePrinter(); });
}

}  // namespace Varnel
