// The stamp that ties the diagnostics to the report and the process instance: digests by the published
// 64-bit FNV-1a values, lines that read back as written, and tokens that differ between instances.
#include "reporting/reportstamp.h"
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Varnel::ContentDigest;
using Varnel::DiagnosticsStamp;

ContentDigest DigestOf(const std::string& bytes) {
  ContentDigest digest;
  digest.Add(bytes.data(), bytes.size());
  return digest;
}

TEST(ReportStamp, DigestsAreSizeAndFnv1a64) {
  EXPECT_EQ(DigestOf("").hash, 0xcbf29ce484222325ULL);
  EXPECT_EQ(DigestOf("a").hash, 0xaf63dc4c8601ec8cULL);
  EXPECT_EQ(DigestOf("foobar").hash, 0x85944171f73967e8ULL);
  EXPECT_EQ(DigestOf("foobar").size, 6u);
  ContentDigest pieces = DigestOf("foo");
  pieces.Add("bar", 3);
  EXPECT_TRUE(pieces == DigestOf("foobar"));
}

TEST(ReportStamp, LinesReadBackAsWrittenAndOthersAreNotStampLines) {
  const DiagnosticsStamp written{"0123456789abcdef", "fedcba9876543210", DigestOf("a")};
  EXPECT_EQ(written.Lines(),
            "instance: 0123456789abcdef\nhost instance: fedcba9876543210\nreport: 1 bytes, hash af63dc4c8601ec8c\n");
  DiagnosticsStamp read;
  for (const char* line :
       {"instance: 0123456789abcdef", "host instance: fedcba9876543210", "report: 1 bytes, hash af63dc4c8601ec8c"}) {
    EXPECT_TRUE(read.Read(line)) << line;
  }
  EXPECT_EQ(read.Lines(), written.Lines());
  EXPECT_TRUE(read.Read("report: not written"));
  EXPECT_FALSE(read.report.has_value());
  for (const char* line : {"report: 1 bytes, hash AF63DC4C8601EC8C", "report: 1 bytes, hash af63dc4c8601ec8c more",
                           "report: x bytes, hash af63dc4c8601ec8c", "suite: s", "  found: instance: x"}) {
    EXPECT_FALSE(read.Read(line)) << line;
  }
}

TEST(ReportStamp, TokensDifferBetweenCallsAndInstancesForkedOrNot) {
  const std::string token = Varnel::NewInstanceToken();
  EXPECT_TRUE(Varnel::IsInstanceToken(token)) << token;
  EXPECT_NE(token, Varnel::NewInstanceToken());
  const std::string own = Varnel::ProcessInstanceToken();
  EXPECT_EQ(own, Varnel::ProcessInstanceToken());
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const std::string childs = Varnel::ProcessInstanceToken();
    _exit(write(channel[1], childs.data(), childs.size()) == static_cast<ssize_t>(childs.size()) ? 0 : 1);
  }
  char childs[16] = {};
  EXPECT_EQ(read(channel[0], childs, sizeof childs), 16);
  waitpid(child, nullptr, 0);
  close(channel[0]);
  close(channel[1]);
  EXPECT_TRUE(Varnel::IsInstanceToken(std::string(childs, 16)));
  EXPECT_NE(std::string(childs, 16), own);
}

}  // namespace
