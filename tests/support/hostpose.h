#pragma once
#include <string>

namespace testsupport {

// The kinds of machine a test can pose as: an ordinary one, the two lab machines with duration windows of their
// own, and the build farm.
enum class Machine { Plain, HostA, HostB, BuildFarm };

// A host name of that kind: the compiled-in fragment inside a longer name, in other case where that is possible.
std::string HostNameOf(Machine machine);

}  // namespace testsupport
