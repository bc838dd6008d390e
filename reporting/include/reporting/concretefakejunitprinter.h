#pragma once
#include "reporting/fakejunitprinter.h"
#include "reporting/reportstamp.h"
#include "reporting/spillingbuffer.h"
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// The suite a new printer opens before anyone names one.
inline const char kDefaultInitialSuiteName[] = "DefaultInitialTestSuite_ConcreteFakeJUnitPrinter";
// The diagnostics file beside the report: the report's name with this in place of ".xml".
inline const char kDiagnosticsSuffix[] = ".diagnostics.txt";

// Collects outcomes in memory and writes them as one JUnit-style XML report when it is destroyed.
// The report replaces whatever an earlier printer of the same run name and process wrote. A report is only
// written whole: when an outcome could not be recorded or the file cannot be written, standard error says so
// and no report is left under this run's name.
class ConcreteFakeJUnitPrinter : public FakeJUnitPrinter {
 public:
  ConcreteFakeJUnitPrinter(const wxString& name, const wxString& outputSubdirectory, bool renameWhenStarting);
  ~ConcreteFakeJUnitPrinter() override;
  ConcreteFakeJUnitPrinter(const ConcreteFakeJUnitPrinter&) = delete;
  ConcreteFakeJUnitPrinter& operator=(const ConcreteFakeJUnitPrinter&) = delete;

  // Each records its outcome whole or, when it throws, not at all; the report is then withheld.
  void BeginSuite(const wxString& suiteName) override;
  void ReportPass(const wxString& testName) override;
  void ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                     const wxString& message) override;

  // For a caller that lost an outcome it meant to report: the report is withheld.
  void MarkOutcomeLost() noexcept { outcomeLost_ = true; }

  // Once the report is written whole, *digest gets the size and hash of its bytes; it stays as it is otherwise.
  void TellWrittenReportTo(std::optional<ContentDigest>* digest) noexcept { writtenDigest_ = digest; }

  // Where the report goes: the output directory, the run name, "_", the process id and ".xml".
  wxString ReportFilePath() const;
  wxString FlagFilePath() const;

 private:
  // Appends a test case entry; failed counts it as a failure.
  template <typename Build>
  void AddTestCase(bool failed, Build build);
  void AppendNumberedTestName(std::string& entry, const wxString& testName) const;
  void CloseOpenSuite();
  std::string DocumentHeader() const;
  bool WriteReport();
  // Leaves nothing under this run's report name after a failed write, and says so on standard error.
  void WithdrawReport(const char* reason) noexcept;

  // Down to suppressNotices, the members carry the host's own names.
  // NOLINTBEGIN(readability-identifier-naming)
  std::int32_t testTime = 999;
  std::uint32_t testsInClosedSuites = 0;
  std::uint32_t testsInOpenSuite = 0;
  std::uint32_t failuresInClosedSuites = 0;
  std::uint32_t failuresInOpenSuite = 0;
  // The closed suites in file order, each as its header and the end of its test-case entries in entries_; the
  // document header goes first when the report is written, each suite's footer after its entries.
  struct ClosedSuite {
    std::string header;
    std::uint64_t entriesEnd;
  };
  std::vector<ClosedSuite> documentLines;
  std::string openSuiteName;  // escaped for the attribute
  bool renameAtStart;
  wxString outputDirectory;
  bool flagFileExisted = false;
  std::uint32_t processId = 0;
  wxString processIdText;
  wxString runName;
  bool suppressNotices = true;
  // NOLINTEND(readability-identifier-naming)
  bool outcomeLost_ = false;
  // Made at construction, so that a report that cannot be written can still be removed and named when
  // memory has run out.
  std::string reportPathBytes_;
  std::optional<ContentDigest>* writtenDigest_ = nullptr;
  // Every test-case entry in UTF-8, suite after suite: a report of any length costs a bounded amount of memory.
  std::optional<SpillingBuffer> entries_;
};

}  // namespace Varnel
