#include "datahookoutputtestingplugin.h"
#include "reporting/findingsrecordingprinter.h"
#include "reporting/maketestlocation.h"
#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <string>

namespace Varnel {

namespace {

// Host assertion failures are numbered for the life of the library, across printers.
std::int32_t assertionCounter = 0;

const char kPluginFileText[] = "DataHookOutputTestingPlugin";
// The lines that locate the plug-in's own failures.
constexpr int kNoVerifierLine = 162;
constexpr int kHostAssertionLine = 182;
constexpr int kEscapedExceptionLine = 0;
// How many registered names a failed lookup suggests.
constexpr std::size_t kClosestNamesShown = 3;

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
                                               "FakeUnitTestsDataHookExperimentRunning", "auto_experiment_tests", true),
                                           DashboardJUnitPrinter::ForConfiguredDirectory());
    if (outcomeLostWithoutPrinter_) printer->MarkOutcomeLost();
    outcomeLostWithoutPrinter_ = false;
    printer->ReportPass("SingleDummyPassingTest");
    return printer;
  }

  // Leaves the member null before the caller deletes the printer (deleting it writes the report).
  FindingsRecordingPrinter* TakePrinter() noexcept {
    FindingsRecordingPrinter* taken = printer;
    printer = nullptr;
    return taken;
  }

  // An outcome that could not be reported at all: the report that would have held it is withheld, also when
  // there was no printer to hold it.
  void MarkOutcomeLost() noexcept {
    if (printer != nullptr) {
      printer->MarkOutcomeLost();
    } else {
      outcomeLostWithoutPrinter_ = true;
    }
  }

 private:
  FindingsRecordingPrinter* printer = nullptr;  // NOLINT(readability-identifier-naming): the host's own name
  bool outcomeLostWithoutPrinter_ = false;
};

namespace {

using PrivateImpl = DataHookOutputTestingPlugin::PrivateImpl;

// Reports what escaped a step as the failure "unexpected_exception_in_" and the step, in the suite most recently
// begun: the verifier's own when a verifier threw. The printer is fetched here, after the step, so that the
// failure lands even when the step failed before it had a printer.
void ReportEscapedException(PrivateImpl& impl, const char* step, const char* what) noexcept {
  std::fprintf(stderr, "dh-AutomatedTesting: %s: %s\n", step, what);
  try {
    impl.GetOrCreatePrinter()->ReportFailure(
        wxString("unexpected_exception_in_") + step, "the plug-in stopped this step early",
        MakeTestLocation(kPluginFileText, kEscapedExceptionLine), wxString::FromUTF8(what));
  } catch (...) {
    impl.MarkOutcomeLost();
    std::fprintf(stderr, "dh-AutomatedTesting: %s: the failure could not be recorded; the report is withheld\n", step);
  }
}

// The plug-in runs inside the host's process: an exception must never cross back into it, and the host goes on.
template <typename Work>
void WithoutEscapingExceptions(PrivateImpl& impl, const char* step, Work work) noexcept {
  try {
    work();
  } catch (const std::bad_alloc&) {
    ReportEscapedException(impl, step, "out of memory (std::bad_alloc)");
  } catch (const std::exception& error) {
    ReportEscapedException(impl, step, error.what());
  } catch (...) {
    ReportEscapedException(impl, step, "unknown exception");
  }
}

// "%05d" without the toolkit's formatting, which cannot pass an allocation failure on.
wxString AssertionTestName(std::int32_t number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return wxString("TestingPluginDH_AssertionFailure_") + digits;
}

}  // namespace

DataHookOutputTestingPlugin::DataHookOutputTestingPlugin() {
  auto created = std::make_shared<PrivateImpl>();
  created->GetOrCreatePrinter();
  impl = created;
}

DataHookOutputTestingPlugin::~DataHookOutputTestingPlugin() {
  // The report is written here when the printer is still there; a host thread still inside a call finishes first.
  const std::lock_guard<std::recursive_mutex> lock(hostCalls_);
  impl.reset();
}

int DataHookOutputTestingPlugin::SdkReservedQuery() { return -7654; }

void DataHookOutputTestingPlugin::SdkReservedNotify(std::int32_t, std::int32_t) {}

void DataHookOutputTestingPlugin::RegisterOneSingleVerifier(const VerifierRegistration& registration) {
  RegisterVerifier(registration);
}

void DataHookOutputTestingPlugin::PerformPostProcessing(const wxString& dataFilePath, const StimAreaList* stimAreas) {
  const std::lock_guard<std::recursive_mutex> lock(hostCalls_);
  WithoutEscapingExceptions(*impl, "PerformPostProcessing", [&] { Dispatch(dataFilePath, stimAreas); });
}

void DataHookOutputTestingPlugin::Dispatch(const wxString& dataFilePath, const StimAreaList* stimAreas) {
  FakeJUnitPrinter* printer = impl->GetOrCreatePrinter();
  printer->BeginDataFile(dataFilePath);
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
  const std::lock_guard<std::recursive_mutex> lock(hostCalls_);
  WithoutEscapingExceptions(*impl, "OnHostAssertionFailure", [&] {
    FakeJUnitPrinter* printer = impl->GetOrCreatePrinter();
    // The host's assertion failures are about no data file.
    printer->BeginDataFile(wxString());
    ++assertionCounter;
    printer->ReportFailure(AssertionTestName(assertionCounter), "actual file and line number shown in DETAILED TEXT",
                           MakeTestLocation(kPluginFileText, kHostAssertionLine), detailedText);
  });
  return true;
}

void DataHookOutputTestingPlugin::ReleaseTestPrinter() {
  const std::lock_guard<std::recursive_mutex> lock(hostCalls_);
  WithoutEscapingExceptions(*impl, "ReleaseTestPrinter", [&] { delete impl->TakePrinter(); });
}

}  // namespace Varnel
