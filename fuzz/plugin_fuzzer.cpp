// The whole road: the plug-in's own code, linked in with every registered verifier, gets the input as the data
// file of one registered experiment after another, as the host hands it over after a run.
#include "fuzzsupport.h"
#include "hostkit/stimareafile.h"
#include "datahookoutputtestingplugin.h"
#include "reporting/reportfiles.h"
#include "framework/verifierregistry.h"
#include "tabulon/asciicase.h"
#include "sdk/stimareadata.h"
#include <fuzzer/FuzzedDataProvider.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <wx/filename.h>

namespace {

// The plug-in object and its printer come up while the program loads and write under ./scons-out at once:
// move into the private directory before that (the registry's priority is 1001).
__attribute__((constructor(1000))) void EnterWorkDirBeforeThePlugin() { fuzzsupport::InitialiseOnce(); }

std::vector<wxString> experimentNames;
// The plug-in makes its printer on the first call after a release; releasing without one writes nothing.
bool printerInUse = true;

std::string ReportPath() {
  return fuzzsupport::WorkDir() + "/scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" +
         std::to_string(static_cast<unsigned long>(::getpid())) + ".xml";
}

// A file outside the report directory that a link planted there points to; the plug-in must never write it.
std::string OutsidePath() { return fuzzsupport::WorkDir() + "/outside.txt"; }
const char kOutsideText[] = "never written";

// Releasing writes the report; it must be a whole document. Removing it keeps the directory from filling up.
void ReleaseAndCheckReport() {
  Varnel::ThePlugin().ReleaseTestPrinter();
  std::ifstream outside(OutsidePath(), std::ios::binary);
  std::stringstream outsideText;
  outsideText << outside.rdbuf();
  FUZZ_CHECK(outsideText.str() == kOutsideText);
  if (!printerInUse) return;
  printerInUse = false;
  const std::string path = ReportPath();
  std::ifstream in(path, std::ios::binary);
  FUZZ_CHECK(in.good());
  std::stringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  FUZZ_CHECK(text.rfind("<?xml", 0) == 0);
  const std::string end = "</testsuites>\n";
  FUZZ_CHECK(text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0);
  std::remove(path.c_str());
}

Varnel::StimAreaList StimAreas(FuzzedDataProvider& control) {
  static const int numbers[] = {0, 1, -1, 10, 100, 98765, 0x7FFFFFFF, -0x7FFFFFFF - 1};
  Varnel::StimAreaList areas(control.ConsumeIntegralInRange<std::size_t>(0, 6));
  for (Varnel::StimAreaData& area : areas) {
    const auto number = [&] {
      return control.ConsumeBool() ? control.PickValueInArray(numbers) : control.ConsumeIntegral<int>();
    };
    area.rect = wxRect(number(), number(), number(), number());
    area.responseId = number();
    area.areaName =
        control.ConsumeBool() ? wxString(wxS("\t\t\t")) : wxString::FromUTF8(control.ConsumeRandomLengthString(12));
  }
  return areas;
}

// A text of the control bytes: one length byte, then that many bytes (fewer when the control ends early).
std::string LengthPrefixedText(const std::uint8_t* control, std::size_t size, std::size_t& used) {
  if (used >= size) return std::string();
  const std::size_t length = std::min<std::size_t>(control[used], size - used - 1);
  const std::string text(reinterpret_cast<const char*>(control + used + 1), length);
  used += 1 + length;
  return text;
}

// Stimulus areas as the host's run script lists them, each line read as the runner reads it: up to the first
// malformed line.
Varnel::StimAreaList ParseStimAreas(const std::string& text) {
  Varnel::StimAreaList areas;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    hostkit::Result<Varnel::StimAreaData> area = hostkit::ParseStimAreaLine(line);
    if (!area.Ok()) break;
    areas.push_back(std::move(area).Value());
  }
  return areas;
}

// The registered experiment whose name the control bytes start with, else one chosen by index.
wxString PickExperiment(FuzzedDataProvider& control, const std::string& hint) {
  if (!hint.empty()) {
    const wxString key = tabulon::AsciiUpper(wxString::FromUTF8(hint));
    for (const wxString& name : experimentNames) {
      if (tabulon::AsciiUpper(name) == key) return name;
    }
  }
  if (control.ConsumeIntegralInRange<int>(0, 15) == 15) return wxS("no_such_experiment.vn4");
  return experimentNames[control.ConsumeIntegralInRange<std::size_t>(0, experimentNames.size() - 1)];
}

// Now and then the data file is no plain file, or a link waits where the report's temporary file goes: the
// plug-in must refuse the one and never write through the other.
void PutDataFile(FuzzedDataProvider& control, const std::string& path, const fuzzsupport::SplitInput& input) {
  switch (control.ConsumeIntegralInRange<int>(0, 31)) {
    case 29:
      FUZZ_CHECK(::mkfifo(path.c_str(), 0600) == 0);
      return;
    case 30:
      FUZZ_CHECK(::mkdir(path.c_str(), 0700) == 0);
      return;
    case 31:
      ::symlink(OutsidePath().c_str(), Varnel::TemporaryPathFor(wxString::FromUTF8(ReportPath())).utf8_str().data());
      break;
    default:
      break;
  }
  fuzzsupport::WriteFileBytes(path, input.body, input.bodySize);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzsupport::InitialiseForLibFuzzer(argc, argv);
  // The names come from the registry itself, so that every verifier linked in gets fuzzed.
  for (const auto& entry : Varnel::TheVerifierRegistry()) experimentNames.push_back(entry.second.name);
  if (experimentNames.empty()) fuzzsupport::Fail("no verifier registered", __FILE__, __LINE__);
  std::fprintf(stderr, "plugin_fuzzer: %zu registered experiments\n", experimentNames.size());
  std::ofstream(OutsidePath(), std::ios::binary) << kOutsideText;
  // Start with a printer of this directory's own.
  ReleaseAndCheckReport();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzsupport::SplitInput input = fuzzsupport::Split(data, size);
  // The control bytes begin with two length-prefixed texts: an experiment name and stimulus areas as the host's
  // run script lists them (the corpus script writes the seed's own), then the bytes that choose everything else.
  std::size_t used = 0;
  const std::string hint = LengthPrefixedText(input.control, input.controlSize, used);
  const std::string areasText = LengthPrefixedText(input.control, input.controlSize, used);
  FuzzedDataProvider control(input.control + used, input.controlSize - used);

  const int experiments = control.ConsumeIntegralInRange<int>(1, 3);
  for (int i = 0; i < experiments; ++i) {
    const wxString experiment = PickExperiment(control, i == 0 ? hint : std::string());
    const std::string suffix = control.ConsumeBool() ? ".txt" : " P01.txt";
    const std::string path = fuzzsupport::WorkDir() + "/" + std::string(experiment.utf8_str()) + suffix;
    PutDataFile(control, path, input);

    const int areasFrom = control.ConsumeIntegralInRange<int>(0, 7);
    const Varnel::StimAreaList areas = areasFrom == 0 ? StimAreas(control) : ParseStimAreas(areasText);
    Varnel::ThePlugin().PerformPostProcessing(fuzzsupport::ToWx(path), areasFrom == 7 ? nullptr : &areas);
    printerInUse = true;
    std::remove(path.c_str());

    if (control.ConsumeIntegralInRange<int>(0, 31) == 31) {
      Varnel::ThePlugin().OnHostAssertionFailure(wxString::FromUTF8(control.ConsumeRandomLengthString(40)));
    }
    fuzzsupport::DeliverPendingEvents();
    if (control.ConsumeIntegralInRange<int>(0, 7) == 7) ReleaseAndCheckReport();
  }
  // Each input ends with its report written, so that no input depends on the ones before it (and the heap is
  // where it was, which spares libFuzzer a leak scan after every input).
  ReleaseAndCheckReport();
  return 0;
}
