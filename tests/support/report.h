#pragma once
#include <string>
#include <vector>

namespace testsupport {

// One test case of a report (or of a dashboard report), read back with an XML parser.
struct Outcome {
  std::string suite;      // the suite's name without "_pid_" and the process id
  std::string name;       // the test name without its "testNNN" number
  std::string className;  // a dashboard report's classname
  bool failed = false;
  std::string subject;   // the failure's message attribute
  std::string location;  // first line of the failure's text
  std::string message;   // the rest of the failure's text

  bool operator==(const Outcome& other) const;
};

struct Report {
  int tests = 0;
  int failures = 0;
  std::vector<Outcome> outcomes;

  // The outcomes of the suites with this name (all of them, in order).
  std::vector<Outcome> OfSuite(const std::string& suite) const;
};

// Reads a report; a report that is not well-formed XML fails the calling test.
Report ReadReport(const std::string& path);

std::string Describe(const Outcome& outcome);

// The dashboard reports in the folder (ReadReport reads them too).
std::vector<std::string> DashboardReportsIn(const std::string& directory);
// Switches the plug-in's dashboard report on, into the folder, for the lifetime of the object.
struct DashboardSwitchedOn {
  explicit DashboardSwitchedOn(const std::string& directory);
  ~DashboardSwitchedOn();
};

}  // namespace testsupport
