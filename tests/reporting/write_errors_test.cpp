// A write that fails is told with the reason of the call that failed, not whatever errno held afterwards.
#include "reporting/atomicfilewriter.h"
#include "reporting/spillingbuffer.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace {

// A file-size limit takes the first bytes of a write and refuses the rest (SIGXFSZ ignored, as a host may run):
// the report's writer and the buffer that takes a long report's entries both say so, and leave no file.
TEST(WriteErrors, AFileSizeLimitIsToldAsFileTooLarge) {
  testsupport::ScratchDir scratch;
  const std::string bytes(200000, 'x');
  const struct {
    const char* path;
    bool (*write)(const std::string& bytes);  // true when the bytes were taken
  } writers[] = {
      {"r.xml", [](const std::string& text) { return Varnel::WriteFileAtomically("r.xml", text); }},
      {"entries.partial",
       [](const std::string& text) {
         Varnel::SpillingBuffer buffer("entries.partial", 1000);
         buffer.Append(text);
         return !buffer.Failed();
       }},
  };
  for (const auto& writer : writers) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit limited{10000, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ::testing::internal::CaptureStderr();
    const bool written = writer.write(bytes);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written) << writer.path;
    EXPECT_NE(errors.find(std::string("failed to write to the file ") + writer.path + ": cannot write: File too large"),
              std::string::npos)
        << errors;
    EXPECT_FALSE(testsupport::FileExists(writer.path) || testsupport::FileExists("r.xml.partial")) << writer.path;
  }
}

}  // namespace
