#pragma once

namespace datahookrunner {

// What the calling script or build step gets back.
namespace ExitStatus {
constexpr int NoFailures = 0;
constexpr int FailuresReported = 1;
// Bad arguments, a plug-in that cannot be loaded or a report that cannot be read: no verdict at all.
constexpr int CannotRun = 2;
}  // namespace ExitStatus

}  // namespace datahookrunner
