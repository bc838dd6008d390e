#pragma once

namespace datahookrunner {

// What the calling script or build step gets back.
enum ExitStatus : int {
  kNoFailures = 0,
  kFailuresReported = 1,
  // Bad arguments, a plug-in that cannot be loaded or a report that cannot be read: no verdict at all.
  kCannotRun = 2,
};

}  // namespace datahookrunner
