#pragma once

namespace Varnel {

// Lets a test make one of the report writer's file operations fail with a real error code, as a full disk or a
// failing device would. Every file operation of the writers (create, write, flush, close, rename, directory sync,
// seek, read, the clean-up's removals) asks InjectedFileError() once before it acts; unarmed, that only counts.

// The error code the file operation about to run fails with; 0 lets it run.
int InjectedFileError() noexcept;
// Makes the operation-th file operation from now on (1 = the next) fail with errorCode; 0 only counts.
void InjectFileErrorAt(long operation, int errorCode) noexcept;
// The file operations that asked since InjectFileErrorAt.
long FileOperationsCounted() noexcept;

}  // namespace Varnel
