#pragma once
// Table-driven checks of faulty data files: each file, run through the plug-in, must report exactly the listed
// failures in its verifier's suite (and none elsewhere). Each verifier family keeps its own table.
#include <ostream>
#include <string>
#include <vector>

namespace faultycorpus {

struct ExpectedFailure {
  std::string name;
  std::string subject;
  int line;  // the reporting site; the location is made from the suite (the experiment file name) and this
  std::string message;
};

struct FaultyCase {
  std::string file;   // under testdata/faulty/
  std::string suite;  // the experiment file name
  std::vector<ExpectedFailure> failures;
};

ExpectedFailure Duration(const std::string& what, const std::string& suite, int min, int max, int value);
ExpectedFailure TooManyCells();
ExpectedFailure TooFewCells();
ExpectedFailure OrderMismatch(int row, const std::string& expected);

// Runs the case's file through the plug-in, posing as an ordinary machine (neither the build farm nor one of
// the machines with windows of their own), and compares the failures.
void ExpectExactFailures(const FaultyCase& faultyCase);

// Test output names the file instead of dumping the case's bytes.
inline void PrintTo(const FaultyCase& faultyCase, std::ostream* out) { *out << faultyCase.file; }

// A readable test name made from the file name.
std::string CaseName(const FaultyCase& faultyCase);

}  // namespace faultycorpus

#define DH_FAULTY_CORPUS(TableName, table)                                                          \
  class TableName : public ::testing::TestWithParam<faultycorpus::FaultyCase> {};                 \
  TEST_P(TableName, ReportsExactlyTheExpectedFailures) { faultycorpus::ExpectExactFailures(GetParam()); } \
  INSTANTIATE_TEST_SUITE_P(EveryFile, TableName, ::testing::ValuesIn(table),                      \
                           [](const ::testing::TestParamInfo<faultycorpus::FaultyCase>& info) {   \
                             return faultycorpus::CaseName(info.param);                           \
                           })
