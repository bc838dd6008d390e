#pragma once
#include <wx/string.h>

namespace Varnel {

// Where every outcome of the plug-in goes: named passes and failures, grouped in suites.
class FakeJUnitPrinter {
 public:
  virtual ~FakeJUnitPrinter() = default;
  virtual void BeginSuite(const wxString& suiteName) = 0;
  virtual void ReportPass(const wxString& testName) = 0;
  virtual void ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                             const wxString& message) = 0;

  // What was found for the failure reported last, for the diagnostics beside the report; the report itself
  // never shows it. Printers that keep no diagnostics ignore it.
  virtual void AddFinding(const wxString& text) { (void)text; }
  // The data file the following outcomes are about, until the next call (an empty path: none).
  virtual void BeginDataFile(const wxString& path) { (void)path; }
  // A pass that records a time the build farm charts: its report carries the value in the test's name,
  // "<trackName>__<milliseconds>_ms"; a printer may keep the name fixed and the value beside it.
  virtual void ReportTracking(const wxString& trackName, const wxString& milliseconds) {
    ReportPass(trackName + "__" + milliseconds + "_ms");
  }
};

}  // namespace Varnel
