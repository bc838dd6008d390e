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
};

}  // namespace Varnel
