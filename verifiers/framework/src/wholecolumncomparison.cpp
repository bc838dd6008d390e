#include "framework/wholecolumncomparison.h"
#include "framework/checkoutcome.h"
#include "reporting/fakejunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <algorithm>

namespace Varnel {

namespace {

// The lines that locate the comparison's failures, in the file part of the verifier's name.
constexpr int kTooManyCellsLine = 89;
constexpr int kTooFewCellsLine = 98;
constexpr int kOrderMismatchLine = 144;
// Rows shown before and after the first mismatching row.
constexpr int kContextRows = 2;

wxString ExpectedAt(const ExpectedTexts& expected, int row) {
  return row < static_cast<int>(expected.size()) ? "{" + expected[row] + "}" : wxString("nothing (past the list)");
}

wxString FoundAt(const MUInterfaceMultiExperimentDataSource& reader, int column, int row) {
  if (row >= reader.GetRowCount()) return "nothing (past the data)";
  return "{" + reader.GetCellText(row, column) + "}";
}

// The first differing row with its expected and found cells, then the rows around it.
std::vector<wxString> MismatchFindings(const MUInterfaceMultiExperimentDataSource& reader, const wxString& columnName,
                                       const ExpectedTexts& expected, int mismatch) {
  std::vector<wxString> findings;
  const int column = reader.GetColumnIndex(columnName);
  if (column < 0) findings.push_back("the data file has no column {" + columnName + "}");
  findings.push_back(wxString::Format("row %d: expected ", mismatch) + ExpectedAt(expected, mismatch) + ", found " +
                     FoundAt(reader, column, mismatch));
  const int last = std::min(mismatch + kContextRows, std::max(reader.GetRowCount(), 1) - 1);
  for (int row = std::max(0, mismatch - kContextRows); row <= last; ++row) {
    findings.push_back(wxString::Format("  context row %d: expected ", row) + ExpectedAt(expected, row) + ", found " +
                       FoundAt(reader, column, row));
  }
  return findings;
}

}  // namespace

std::optional<int> FirstColumnMismatch(const MUInterfaceMultiExperimentDataSource& reader, const wxString& columnName,
                                       const ExpectedTexts& expected) {
  const int column = reader.GetColumnIndex(columnName);
  const int expectedCount = static_cast<int>(expected.size());
  // A column without data rows never matches, not even an empty list.
  if (reader.GetRowCount() <= 0) return 0;
  int row = 0;
  for (; row < reader.GetRowCount(); ++row) {
    const wxString cell = reader.GetCellText(row, column);
    if (row >= expectedCount) break;
    if (cell != expected[row]) return row;
  }
  if (row < expectedCount) return row;
  return std::nullopt;
}

bool CheckQuantityOfDataCells(const MUInterfaceMultiExperimentDataSource& reader, FakeJUnitPrinter* printer,
                              const wxString& verifierName, const ExpectedTexts& expected) {
  static const wxString testName = "Correct_quantity_of_data_cells";
  const long long rows = reader.GetRowCount();
  const long long wanted = static_cast<long long>(expected.size());
  if (rows == wanted) return true;
  const bool tooMany = rows > wanted;
  ReportFailureTo(printer, testName,
                  tooMany ? "Too many data cells. More than expected." : "Too few data cells. Fewer than expected.",
                  MakeTestLocation(verifierName, tooMany ? kTooManyCellsLine : kTooFewCellsLine), "No extra info.")
      << wxString::Format("found %lld data rows, expected %lld", rows, wanted);
  return false;
}

bool CheckDataAppearsCompletelyAndInOrder(const MUInterfaceMultiExperimentDataSource& reader, FakeJUnitPrinter* printer,
                                          const wxString& verifierName, const wxString& columnName,
                                          const ExpectedTexts& expected) {
  static const wxString testName = "Data_appears_completely_and_in_order";
  const std::optional<int> firstMismatch = FirstColumnMismatch(reader, columnName, expected);
  if (!firstMismatch) {
    printer->ReportPass(testName);
    return true;
  }
  const int mismatch = *firstMismatch;
  const wxString expectedText =
      mismatch < static_cast<int>(expected.size()) ? expected[mismatch] : wxString("ERRORERROR");
  ReportFailureTo(printer, testName, "Mismatch in the ordering of data cells in datafile.",
                  MakeTestLocation(verifierName, kOrderMismatchLine),
                  wxString::Format("At datafile row index %d we expected {%s}, but that was not the actual content.",
                                   mismatch, expectedText))
      << MismatchFindings(reader, columnName, expected, mismatch);
  return false;
}

}  // namespace Varnel
