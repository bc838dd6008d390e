// A data-hook plug-in that writes down every call it gets, with every argument, as the passing tests of
// its report. The runner's tests load it to see exactly what the runner hands over, which the real
// plug-in does not show. With RECORDING_PLUGIN_REPORT set, it writes that file's bytes as its report
// instead (nothing at all if the file is missing), so the tests can hand the runner any report they need.
#include "sdk/interface_datahookplugin.h"
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string EscapeAttribute(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\t': escaped += "&#9;"; break;
      case '\n': escaped += "&#10;"; break;
      case '\r': escaped += "&#13;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// A "]]>" in the text ends the section; it is split across two sections instead.
std::string EscapeCharacterData(std::string text) {
  for (std::size_t at = text.find("]]>"); at != std::string::npos; at = text.find("]]>", at + 15))
    text.replace(at, 3, "]]]]><![CDATA[>");
  return text;
}

std::string Describe(const Varnel::StimAreaData& area) {
  std::ostringstream text;
  text << " area x=" << area.rect.x << " y=" << area.rect.y << " width=" << area.rect.width
       << " height=" << area.rect.height << " responseId=" << area.responseId
       << " name=" << area.areaName.utf8_string();
  return text.str();
}

std::string ReportPath() {
  return "./scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" +
         std::to_string(getpid()) + ".xml";
}

class RecordingPlugin : public Varnel::Interface_DataHookPlugin {
 public:
  void PerformPostProcessing(const wxString& dataFilePath, const Varnel::StimAreaList* stimAreas) override {
    std::string call = "PerformPostProcessing path=" + dataFilePath.utf8_string();
    if (stimAreas == nullptr) {
      call += " areas=none";
    } else {
      call += " areas=" + std::to_string(stimAreas->size());
      for (const Varnel::StimAreaData& area : *stimAreas) call += Describe(area);
    }
    passes.push_back(call);
  }

  bool OnHostAssertionFailure(const wxString& detailedText) override {
    failures.push_back(detailedText.utf8_string());
    return true;
  }

  void ReleaseTestPrinter() override {
    const char* source = std::getenv("RECORDING_PLUGIN_REPORT");
    if (source != nullptr) {
      CopyReport(source);
    } else {
      WriteReport();
    }
    passes.clear();
    failures.clear();
  }

 private:
  static void CopyReport(const char* source) {
    std::ifstream in(source, std::ios::binary);
    if (!in) return;
    std::ofstream(ReportPath(), std::ios::binary) << in.rdbuf();
  }

  void WriteReport() const {
    const std::size_t tests = passes.size() + failures.size();
    std::ofstream out(ReportPath(), std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites tests=\"" << tests << "\" failures=\""
        << failures.size() << "\" name=\"AllTests\">\n    <testsuite name=\"RecordingPlugin\" tests=\"" << tests
        << "\" failures=\"" << failures.size() << "\">\n";
    for (const std::string& pass : passes)
      out << "        <testcase name=\"" << EscapeAttribute(pass) << "\" />\n";
    for (const std::string& failure : failures)
      out << "        <testcase name=\"OnHostAssertionFailure\">\n        <failure message=\"host assertion\">"
          << "<![CDATA[recording:1\n" << EscapeCharacterData(failure) << "]]></failure>\n        </testcase>\n";
    out << "    </testsuite>\n</testsuites>\n";
  }

  std::vector<std::string> passes;
  std::vector<std::string> failures;
};

RecordingPlugin recordingPlugin;

}  // namespace

extern "C" __attribute__((visibility("default"))) VarnelSDK::VNSdkBase* VNSdkGetObjectPtr() { return &recordingPlugin; }
