#pragma once
#include "reporting/atomicfilewriter.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <wx/file.h>
#include <wx/string.h>

namespace Varnel {

// Bytes appended one after another: kept in memory up to a limit and beyond it in a temporary file, so that a
// report of any length costs its writer a bounded amount of memory. The file is created on first need as
// AtomicFileWriter creates its own (exclusively; whatever holds the name is removed, never written through), read
// back through the same handle and removed when the buffer goes. A failure is told on standard error once; from
// then on the buffer drops what comes and Failed() says so.
class SpillingBuffer {
 public:
  static constexpr std::size_t kMemoryLimit = std::size_t{256} << 10;

  explicit SpillingBuffer(const wxString& spillPath, std::size_t memoryLimit = kMemoryLimit);
  ~SpillingBuffer();
  SpillingBuffer(const SpillingBuffer&) = delete;
  SpillingBuffer& operator=(const SpillingBuffer&) = delete;

  // All or nothing when memory runs out (it throws then); a failure of the file is kept for Failed().
  void Append(const std::string& bytes);
  // Every byte appended so far, in memory or in the file.
  std::uint64_t Size() const { return spilled_ + memory_.size(); }
  bool Failed() const { return failed_; }
  // Hands the bytes [from, to) to the writer in order; false, after telling why, when they cannot be read back.
  bool CopyTo(AtomicFileWriter& writer, std::uint64_t from, std::uint64_t to);

 private:
  bool Spill();  // true once what is in memory is in the file too
  bool Fail(const char* what, const wxString& reason);

  const wxString path_;
  const std::size_t memoryLimit_;
  wxFile file_;
  std::uint64_t spilled_ = 0;  // the bytes in the file, which come before those in memory
  std::string memory_;
  bool failed_ = false;
};

}  // namespace Varnel
