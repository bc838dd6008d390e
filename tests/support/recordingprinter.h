#pragma once
#include "reporting/fakejunitprinter.h"
#include <string>
#include <vector>

namespace testsupport {

// Keeps what it is told, in order, so tests can compare outcomes without going through a report file.
class RecordingPrinter : public Varnel::FakeJUnitPrinter {
 public:
  void BeginSuite(const wxString& suiteName) override { entries.push_back("suite " + suiteName.ToStdString()); }
  void ReportPass(const wxString& testName) override { entries.push_back("pass " + testName.utf8_string()); }
  void ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                     const wxString& message) override {
    entries.push_back("FAIL " + testName.utf8_string() + " | " + subject.utf8_string() + " | " +
                      location.utf8_string() + " | " + message.utf8_string());
  }

  std::vector<std::string> entries;
};

}  // namespace testsupport
