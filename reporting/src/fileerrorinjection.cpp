#include "reporting/fileerrorinjection.h"
#include <atomic>

namespace Varnel {

namespace {

// Atomic only so that writers on several threads count without a race; nothing waits on them.
std::atomic<long> counted{0};
std::atomic<long> failAt{0};
std::atomic<int> injectedError{0};

}  // namespace

std::error_code InjectedFileError() noexcept {
  const long number = counted.fetch_add(1, std::memory_order_relaxed) + 1;
  if (number != failAt.load(std::memory_order_relaxed)) return {};
  return {injectedError.load(std::memory_order_relaxed), std::generic_category()};
}

void InjectFileErrorAt(long operation, std::errc error) noexcept {
  counted.store(0, std::memory_order_relaxed);
  injectedError.store(static_cast<int>(error), std::memory_order_relaxed);
  failAt.store(operation, std::memory_order_relaxed);
}

long FileOperationsCounted() noexcept { return counted.load(std::memory_order_relaxed); }

}  // namespace Varnel
