#pragma once
#include <map>
#include <string>
#include <vector>

namespace testsupport {

// The dashboard JUnit report, read back with an XML parser.
struct DashboardCase {
  std::string className;
  std::string name;
  bool failed = false;
  std::string subject;  // the failure's message attribute
  std::string text;     // the failure's text
};

struct DashboardSuite {
  std::string name;
  int tests = 0;
  int failures = 0;
  std::map<std::string, std::string> properties;
  std::string systemOut;
  std::vector<DashboardCase> cases;
};

struct DashboardReport {
  int tests = 0;
  int failures = 0;
  std::vector<DashboardSuite> suites;

  // Every test's identity as a dashboard keys it: "classname|suite|test", in report order.
  std::vector<std::string> Identities() const;
  // The suites whose data_file property is the path.
  std::vector<DashboardSuite> OfDataFile(const std::string& path) const;
};

// Reads a report; a report that is not well-formed XML fails the calling test.
DashboardReport ReadDashboardReport(const std::string& path);

// The dashboard reports in the folder, sorted by name.
std::vector<std::string> DashboardReportsIn(const std::string& directory);

// Where the plug-in writes a dashboard report when it is switched on, and how to switch it on for a scope.
inline const char kJunitDirVariable[] = "DH_AUTOMATEDTESTING_JUNIT_DIR";
class DashboardSwitchedOn {
 public:
  explicit DashboardSwitchedOn(const std::string& directory);
  ~DashboardSwitchedOn();
  DashboardSwitchedOn(const DashboardSwitchedOn&) = delete;
  DashboardSwitchedOn& operator=(const DashboardSwitchedOn&) = delete;
};

}  // namespace testsupport
