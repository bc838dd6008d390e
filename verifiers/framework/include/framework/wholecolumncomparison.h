#pragma once
#include "framework/individualtestcase.h"
#include <memory>
#include <optional>
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

class FakeJUnitPrinter;

// The exact texts expected in one column, one entry per data row, in row order.
using ExpectedTexts = std::vector<wxString>;

// The first row where the column differs from the expected texts (or where the data ran out); none when it holds
// exactly them. Reports nothing. Rows beyond the list are not compared.
std::optional<int> FirstColumnMismatch(const MUInterfaceMultiExperimentDataSource& reader, const wxString& columnName,
                                       const ExpectedTexts& expected);

// The two reporting checks of a whole-column comparison; locations name the verifier.
bool CheckQuantityOfDataCells(const MUInterfaceMultiExperimentDataSource& reader, FakeJUnitPrinter* printer,
                              const wxString& verifierName, const ExpectedTexts& expected);
bool CheckDataAppearsCompletelyAndInOrder(const MUInterfaceMultiExperimentDataSource& reader, FakeJUnitPrinter* printer,
                                          const wxString& verifierName, const wxString& columnName,
                                          const ExpectedTexts& expected);

// The base of verifiers that compare whole columns with static expected lists. By default it compares the one
// column its two hooks name; verifiers call CompareWholeColumn for any further column.
template <typename T>
class TestCaseWithFullColumnStringComp_T : public IndividualTestCase_T<T, false> {
 public:
  void RunChecks(VerificationContext) override {
    CompareWholeColumn(GetComparedColumnName(), GetExpectedColumnTexts());
  }

  virtual const ExpectedTexts& GetExpectedColumnTexts() const {
    static const ExpectedTexts none;
    return none;
  }
  virtual const wxString& GetComparedColumnName() const {
    static const wxString none;
    return none;
  }

 protected:
  // The quantity check, and only when it holds the order check. The column name does not enter the quantity
  // check: it compares the row count with the list's length.
  bool CompareWholeColumn(const wxString& columnName, const ExpectedTexts& expected) {
    return CheckQuantityOfDataCells(*this->reader, this->printer, this->name, expected) &&
           CheckDataAppearsCompletelyAndInOrder(*this->reader, this->printer, this->name, columnName, expected);
  }
};

}  // namespace Varnel
