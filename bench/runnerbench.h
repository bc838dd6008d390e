#pragma once

// The counters of the long-run row: the runner's time per data file and its peak resident memory.
inline constexpr const char* kMillisecondsPerFileCounter = "ms_per_file";
inline constexpr const char* kPeakMebibytesCounter = "peak_MiB";
