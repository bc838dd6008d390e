#pragma once
#include "reporting/reportstamp.h"
#include "hostkit/result.h"
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace datahookrunner {

struct FailureSummary {
  std::string testName;
  std::string subject;           // the failure's message attribute
  std::string location;          // first line of the failure's text
  std::string firstMessageLine;  // the line after the location
};

// Counts are what the report holds; the declared ones are its attributes (none when absent), kept to spot
// reports that contradict themselves.
struct SuiteSummary {
  std::string name;
  unsigned long tests = 0;
  unsigned long failureCount = 0;        // every failure of the suite
  std::vector<FailureSummary> failures;  // the first of them, while the summary lists any (kMaxListedFailures)
  std::optional<std::string> declaredTests;
  std::optional<std::string> declaredFailures;
};

struct ReportSummary {
  // Failures past this many in a report are counted, not listed: the report holds them all, and a million of
  // them would otherwise cost the runner hundreds of megabytes.
  static constexpr std::size_t kMaxListedFailures = 10000;

  std::vector<SuiteSummary> suites;
  std::size_t listedFailures = 0;
  std::optional<std::string> declaredTests;  // none either when a lone suite is the root
  std::optional<std::string> declaredFailures;

  unsigned long TotalTests() const;
  unsigned long TotalFailures() const;
};

// A report as read: what it holds, and the digest of exactly the bytes summed up.
struct ReadReport {
  ReportSummary summary;
  Varnel::ContentDigest digest;
};

// Reads a JUnit-style report as it streams from the file: the file is opened once, so a report put in its place
// meanwhile is neither hashed nor read. Fails if the file is missing, is not well-formed XML or is not a test
// report.
hostkit::Result<ReadReport> ReadReportSummary(const std::string& path);

}  // namespace datahookrunner
