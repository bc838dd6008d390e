#include "failingnew.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <execinfo.h>
#include <link.h>
#include <new>

namespace failingnew {

namespace {

bool armed = false;
bool failed = false;
long failedAt = 0;
long counted = 0;
long failAtCount = 0;
bool failInToolkit = false;
bool failLater = false;

// Where the toolkit's code lies, found once; nothing here allocates, since operator new asks.
struct CodeRange {
  std::uintptr_t begin;
  std::uintptr_t end;
};
CodeRange toolkitCode[16];
int toolkitRanges = 0;

int CollectToolkitCode(dl_phdr_info* info, std::size_t, void*) {
  if (info->dlpi_name == nullptr || std::strstr(info->dlpi_name, "libwx_") == nullptr) return 0;
  for (int i = 0; i < info->dlpi_phnum && toolkitRanges < 16; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
    const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
    toolkitCode[toolkitRanges++] = {begin, begin + segment.p_memsz};
  }
  return 0;
}

bool ToolkitOnTheStack() {
  void* frames[128];
  const int count = backtrace(frames, 128);
  for (int frame = 0; frame < count; ++frame) {
    const auto address = reinterpret_cast<std::uintptr_t>(frames[frame]);
    for (int range = 0; range < toolkitRanges; ++range) {
      if (address >= toolkitCode[range].begin && address < toolkitCode[range].end) return true;
    }
  }
  return false;
}

bool ShouldFail() {
  if (!armed || (failed && !failLater) || ++counted < failAtCount || failAtCount == 0) return false;
  if (!failInToolkit && ToolkitOnTheStack()) return false;
  if (!failed) failedAt = counted;
  failed = true;
  return true;
}

}  // namespace

void Arm(long failAt, bool evenInToolkit, bool staysOut) {
  if (toolkitRanges == 0) dl_iterate_phdr(CollectToolkitCode, nullptr);
  void* warmUp[1];
  backtrace(warmUp, 1);  // its first call loads the unwinder, which allocates
  counted = 0;
  failed = false;
  failedAt = 0;
  failAtCount = failAt;
  failInToolkit = evenInToolkit;
  failLater = staysOut;
  armed = true;
}

long Counted() { return counted; }

long Disarm() {
  armed = false;
  return counted;
}

bool Failed() { return failed; }

long FailedAt() { return failedAt; }

void AddSpread(std::set<long>& chosen, long first, long count, long samples) {
  for (long k = first; k < first + count; k += std::max(1L, count / samples)) chosen.insert(k);
}

}  // namespace failingnew

void* operator new(std::size_t size) {
  if (failingnew::ShouldFail()) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return ::operator new(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return ::operator new(size, std::nothrow); }

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
