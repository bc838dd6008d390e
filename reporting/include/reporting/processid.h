#pragma once
#include <cstdint>

namespace Varnel {

// The process id that names the report, the flag file and the diagnostics. Tests pose as a process of another
// id (two processes of the same id, as in containers) through DH_AUTOMATEDTESTING_TEST_PROCESS_ID, which nothing
// else should set.
std::uint32_t CurrentProcessId();

}  // namespace Varnel
