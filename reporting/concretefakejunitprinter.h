#pragma once
#include "reporting/fakejunitprinter.h"
#include <cstdint>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// The suite a new printer opens before anyone names one.
inline const char kDefaultInitialSuiteName[] = "DefaultInitialTestSuite_ConcreteFakeJUnitPrinter";

// Collects outcomes in memory and writes them as one JUnit-style XML report when it is destroyed.
// The report replaces whatever an earlier printer of the same run name and process wrote.
class ConcreteFakeJUnitPrinter : public FakeJUnitPrinter {
 public:
  ConcreteFakeJUnitPrinter(const wxString& runName, const wxString& outputSubdirectory, bool renameAtStart);
  ~ConcreteFakeJUnitPrinter() override;
  ConcreteFakeJUnitPrinter(const ConcreteFakeJUnitPrinter&) = delete;
  ConcreteFakeJUnitPrinter& operator=(const ConcreteFakeJUnitPrinter&) = delete;

  void BeginSuite(const wxString& suiteName) override;
  void ReportPass(const wxString& testName) override;
  void ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                     const wxString& message) override;

  // Where the report goes: the output directory, the run name, "_", the process id and ".xml".
  wxString ReportFilePath() const;
  wxString FlagFilePath() const;

 private:
  wxString NumberedTestName(const wxString& testName) const;
  void CloseOpenSuite();
  void FinishDocument();

  std::int32_t testTime = 999;
  std::uint32_t testsInClosedSuites = 0;
  std::uint32_t testsInOpenSuite = 0;
  std::uint32_t failuresInClosedSuites = 0;
  std::uint32_t failuresInOpenSuite = 0;
  std::vector<wxString> documentLines;
  std::vector<wxString> openSuiteLines;
  wxString openSuiteName;
  bool renameAtStart;
  wxString outputDirectory;
  bool flagFileExisted = false;
  std::uint32_t processId = 0;
  wxString processIdText;
  wxString runName;
  bool suppressNotices = true;
};

}  // namespace Varnel
