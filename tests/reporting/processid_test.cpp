// The process id a test may pose: any id that fits the 32 bits the report's name holds, else the real one.
#include "reporting/processid.h"
#include <gtest/gtest.h>
#include <wx/utils.h>

namespace {

TEST(ProcessId, APosedIdCountsFromOneToTheLargest32BitId) {
  const std::uint32_t real = static_cast<std::uint32_t>(wxGetProcessId());
  const struct {
    const char* posed;
    std::uint32_t id;
  } cases[] = {{"1", 1}, {"4294967295", 4294967295U}, {"4294967296", real}, {"0", real}, {"-1", real}, {"7x", real}};
  for (const auto& c : cases) {
    ASSERT_TRUE(wxSetEnv("DH_AUTOMATEDTESTING_TEST_PROCESS_ID", c.posed));
    EXPECT_EQ(Varnel::CurrentProcessId(), c.id) << c.posed;
  }
  wxUnsetEnv("DH_AUTOMATEDTESTING_TEST_PROCESS_ID");
  EXPECT_EQ(Varnel::CurrentProcessId(), real);
}

}  // namespace
