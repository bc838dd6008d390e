#pragma once
#include <system_error>

namespace Varnel {

// Lets a test make one of the report writer's file operations fail with a real error code, as a full disk or a
// failing device would. Every file operation of the writers (create, write, flush, close, rename, directory sync,
// seek, read, the clean-up's removals) asks InjectedFileError() once before it acts; unarmed, that only counts.

// The error the file operation about to run fails with; none lets it run.
std::error_code InjectedFileError() noexcept;
// Makes the operation-th file operation from now on (1 = the next) fail with the error; 0 only counts.
void InjectFileErrorAt(long operation, std::errc error) noexcept;
// The file operations that asked since InjectFileErrorAt.
long FileOperationsCounted() noexcept;

}  // namespace Varnel
