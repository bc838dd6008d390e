#pragma once
#include "framework/checkoutcome.h"
#include "framework/durationwindows.h"
#include "site/hostnames.h"
#include "framework/textcolumn.h"
#include "framework/verificationcontext.h"
#include "framework/verifierinterface.h"
#include "framework/verifierregistry.h"
#include <memory>
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

class FakeJUnitPrinter;

// The column heading that carries the run time, and the heading prefix that carries the expansion time.
inline const wxString kCumulativeTimeColumn = "Cumulative\nTime";
inline const wxString kExpansionMarker = "Expansion Time(ms): ";

// What every verifier shares, whatever its template arguments: one verification of a data file opens the
// verifier's own suite, builds the reader, runs the verifier's checks and records the run and expansion times.
// Verifiers derive from IndividualTestCase_T (or the whole-column template built on it), not from this.
class IndividualTestCaseBase : public Interface_SpecificIndividualTestVerifier {
 public:
  ~IndividualTestCaseBase() override = default;
  void VerifyDatafile(const wxString& dataFilePath, const StimAreaList* stimAreas, FakeJUnitPrinter* printer) override;
  virtual void RunChecks(VerificationContext context) = 0;
  // Called instead of the checks when the data file cannot be read.
  virtual void OnNotifyUnableToReadDatafile(FakeJUnitPrinter* reportTo);

  // The experiment file name: the registry name, the suite name and the file part of every location.
  const wxString& GetName() const { return name; }

 protected:
  IndividualTestCaseBase(const wxString& experimentFileName, bool expectsEmptyFile);
  IndividualTestCaseBase(const IndividualTestCaseBase&) = delete;
  IndividualTestCaseBase& operator=(const IndividualTestCaseBase&) = delete;

  // Index of the first column name that begins with the prefix (case-sensitive), or -1.
  int FindColumnStartingWith(const wxString& prefix) const;
  // The milliseconds carried by the expansion heading; -123 when there is none or it carries no whole number.
  int GetExpansionTimeMs() const;
  void TrackExperimentTiming();
  void TrackExpansionTiming();

  // Each window that applies on this machine, in the order listed: a pass or a failure with its finding; a
  // window whose time column is missing reports nothing (the timing tracking reports that).
  void CheckDurationWindows(const DurationWindows& windows);

  // Outcome reporting for the verifier's own checks; the location is this verifier's name and the site's line.
  // The outcome returned takes what was found behind a failure, for the diagnostics beside the report.
  CheckOutcome ReportPass(const wxString& testName);
  CheckOutcome ReportFailure(const wxString& testName, const wxString& subject, int line, const wxString& message);
  // A pass when the check held, else the failure.
  CheckOutcome ReportOutcome(bool held, const wxString& testName, const wxString& subject, int line,
                             const wxString& message);

  // Every cell of the named column, in row order ("?" for each row when the column is missing), read from the
  // reader as it is used; valid while the checks run.
  TextColumn ColumnTexts(const wxString& columnName) const;

  // What a verifier's checks read and report to: the reader over the current data file and the printer of the
  // current verification, both replaced at the start of each.
  // The host's own names.
  // NOLINTBEGIN(readability-identifier-naming)
  FakeJUnitPrinter* printer = nullptr;
  std::shared_ptr<MUInterfaceMultiExperimentDataSource> reader;
  const wxString name;
  // NOLINTEND(readability-identifier-naming)

 private:
  void CheckDurationWindow(TimedSpan span, const DurationWindow& window);

  const bool expectEmptyDatafile_;
};

// The base of every verifier class T. T names its experiment once, in a static constexpr kExperimentFileName;
// the template makes T's single instance and registers it under that name. With EXPECT_EMPTY_DATAFILE the run
// is expected to leave a data file that cannot be read: that is then not a failure, and T's own
// OnNotifyUnableToReadDatafile decides what to report.
template <typename T, bool EXPECT_EMPTY_DATAFILE>
class IndividualTestCase_T : public IndividualTestCaseBase {
 protected:
  IndividualTestCase_T() : IndividualTestCaseBase(T::kExperimentFileName, EXPECT_EMPTY_DATAFILE) {}

 private:
  // T's single instance, created and registered while the library loads and released when it unloads. The
  // registry is built by the first registration, so it outlives every instance.
  struct Registration {
    Registration() : instance(std::make_shared<T>()) { RegisterVerifier({instance->GetName(), instance.get()}); }
    std::shared_ptr<T> instance;
  };
  static inline const Registration registration{};
  // Naming the registration's address in the class makes every class derived from the template create it.
  template <const Registration*>
  struct Referenced {};
  using RegistrationReferenced = Referenced<&registration>;
};

}  // namespace Varnel
