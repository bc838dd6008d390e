// Bytes past the memory limit go to a temporary file and come back in order, in any range; a file that cannot
// be read back whole withholds them and says why.
#include "reporting/spillingbuffer.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using Varnel::SpillingBuffer;
namespace fs = std::filesystem;

const char kSpill[] = "entries.partial";

std::string Pattern(std::size_t length) {
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>('a' + (i * 7 + i / 26) % 26);
  return bytes;
}

// The bytes [from, to) as the buffer hands them to a report writer; "(failed)" when it refuses.
std::string CopiedOut(SpillingBuffer& buffer, std::uint64_t from, std::uint64_t to) {
  Varnel::AtomicFileWriter writer("out.bin");
  if (!buffer.CopyTo(writer, from, to)) return "(failed)";
  EXPECT_TRUE(writer.Commit());
  return ReadFile("out.bin");
}

TEST(SpillingBuffer, BytesComeBackInOrderWhereverTheLimitFalls) {
  testsupport::ScratchDir scratch;
  // Read back in several chunks, and appended in pieces that straddle the limit.
  const std::string bytes = Pattern(200003);
  {
    SpillingBuffer buffer(kSpill, 1000);
    for (std::size_t at = 0; at < bytes.size(); at += 333) buffer.Append(bytes.substr(at, 333));
    ASSERT_EQ(buffer.Size(), bytes.size());
    const std::size_t spilled = ReadFile(kSpill).size();
    ASSERT_GT(spilled, 0U);
    ASSERT_LT(spilled, bytes.size()) << "the tail is still in memory";
    EXPECT_EQ(ReadFile(kSpill), bytes.substr(0, spilled));
    const std::uint64_t ranges[][2] = {{0, bytes.size()},
                                       {0, 0},
                                       {5, 17},
                                       {spilled - 4, spilled + 4},
                                       {spilled, bytes.size()},
                                       {70000, 140001},
                                       {bytes.size() - 1, bytes.size() + 50}};
    for (const auto& range : ranges) {
      EXPECT_EQ(CopiedOut(buffer, range[0], range[1]), bytes.substr(range[0], range[1] - range[0]))
          << range[0] << " to " << range[1];
    }
  }
  EXPECT_FALSE(FileExists(kSpill)) << "removed with the buffer";

  // Below the limit no file is made.
  SpillingBuffer small(kSpill, 1000);
  small.Append("abc");
  EXPECT_EQ(CopiedOut(small, 0, 3), "abc");
  EXPECT_FALSE(FileExists(kSpill));
}

TEST(SpillingBuffer, ALinkPlantedAtItsNameIsReplacedNotFollowed) {
  testsupport::ScratchDir scratch;
  testsupport::WriteFile("outside.txt", "untouched");
  fs::create_symlink(scratch.File("outside.txt"), kSpill);
  {
    SpillingBuffer buffer(kSpill, 4);
    buffer.Append("0123456789");
    EXPECT_FALSE(fs::is_symlink(kSpill));
    EXPECT_EQ(CopiedOut(buffer, 0, 10), "0123456789");
  }
  EXPECT_EQ(ReadFile("outside.txt"), "untouched");
}

// The file's other failures are swept with the report writer's (file_errors_test.cpp).
TEST(SpillingBuffer, AFileCutBehindItsBackWithholdsTheBytesAndSaysWhy) {
  testsupport::ScratchDir scratch;
  SpillingBuffer buffer(kSpill, 4);
  ::testing::internal::CaptureStderr();
  buffer.Append("0123456789");
  fs::resize_file(kSpill, 3);
  buffer.Append("abc");
  const std::string copied = CopiedOut(buffer, 0, 13);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(copied, "(failed)");
  EXPECT_TRUE(buffer.Failed());
  EXPECT_NE(
      errors.find(std::string("failed to write to the file ") + kSpill + ": cannot read back: the file ends early"),
      std::string::npos)
      << errors;
}

}  // namespace
