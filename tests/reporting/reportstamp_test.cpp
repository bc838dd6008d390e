// The stamp that ties the diagnostics to the report and the process instance.
#include "reporting/reportstamp.h"
#include <gtest/gtest.h>
#include <string>

namespace {

Varnel::ContentDigest DigestOf(const std::string& bytes) {
  Varnel::ContentDigest digest;
  digest.Add(bytes.data(), bytes.size());
  return digest;
}

TEST(ReportStamp, DigestsAreSizeAndFnv1a64AndTokensDiffer) {
  EXPECT_EQ(DigestOf("").hash, 0xcbf29ce484222325ULL);
  EXPECT_EQ(DigestOf("a").hash, 0xaf63dc4c8601ec8cULL);
  EXPECT_EQ(DigestOf("foobar").hash, 0x85944171f73967e8ULL);
  Varnel::ContentDigest pieces = DigestOf("foo");
  pieces.Add("bar", 3);
  EXPECT_TRUE(pieces == DigestOf("foobar"));
  EXPECT_FALSE(DigestOf("foobar") == DigestOf("foobaz"));
  EXPECT_EQ(DigestOf("foobar").size, 6u);
  const std::string token = Varnel::NewInstanceToken();
  EXPECT_TRUE(Varnel::IsInstanceToken(token)) << token;
  EXPECT_NE(token, Varnel::NewInstanceToken());
}

// The lines are the contract with every host that reads them back.
TEST(ReportStamp, LinesReadBackAsWritten) {
  const Varnel::DiagnosticsStamp written{"0123456789abcdef", "fedcba9876543210", DigestOf("a")};
  EXPECT_EQ(written.Lines(),
            "instance: 0123456789abcdef\nhost instance: fedcba9876543210\nreport: 1 bytes, hash af63dc4c8601ec8c\n");
  Varnel::DiagnosticsStamp read;
  EXPECT_TRUE(read.Read("report: 1 bytes, hash af63dc4c8601ec8c") && read.report == DigestOf("a"));
  EXPECT_FALSE(read.Read("report: 1 bytes, hash af63dc4c8601ec8c more"));
}

}  // namespace
