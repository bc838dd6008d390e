#include "tabulon/datafilebytes.h"
#include "nonblockingfile.h"

namespace {

constexpr std::size_t kReadChunk = 1 << 16;

using Failure = tabulon::DataFileBytes::Failure;

tabulon::DataFileBytes Failed(Failure failure, std::error_code systemError = {}, unsigned long long size = 0) {
  tabulon::DataFileBytes result;
  result.failure = failure;
  result.systemError = systemError;
  result.size = size;
  return result;
}

// What to ask for next: never more than one byte past the limit in all.
std::size_t ChunkSize(std::size_t alreadyRead, unsigned long long limit) {
  const unsigned long long left = limit + 1 - alreadyRead;
  return left < kReadChunk ? static_cast<std::size_t>(left) : kReadChunk;
}

tabulon::DataFileBytes ReadOpen(NonBlockingFile& file, unsigned long long limit) {
  const NonBlockingFile::Status status = file.Inspect();
  if (status.kind == NonBlockingFile::Kind::Unknown) return Failed(Failure::CannotOpen, file.SystemError());
  if (status.kind == NonBlockingFile::Kind::NotRegular) return Failed(Failure::NotRegular);
  if (status.size > limit) return Failed(Failure::TooLarge, {}, status.size);
  tabulon::DataFileBytes result;
  result.bytes.reserve(static_cast<std::size_t>(status.size));
  char chunk[kReadChunk];
  for (;;) {
    const long long got = file.Read(chunk, ChunkSize(result.bytes.size(), limit));
    if (got < 0) return Failed(Failure::CannotOpen, file.SystemError());
    if (got == 0) break;
    result.bytes.append(chunk, static_cast<std::size_t>(got));
    // A file that grew after the check is refused as soon as it passes the limit.
    if (result.bytes.size() > limit) return Failed(Failure::TooLarge, {}, result.bytes.size());
  }
  result.size = result.bytes.size();
  return result;
}

}  // namespace

tabulon::DataFileBytes tabulon::ReadDataFileBytes(const wxString& path, unsigned long long limit) {
  NonBlockingFile file(path);
  if (!file.IsOpen()) return Failed(Failure::CannotOpen, file.SystemError());
  return ReadOpen(file, limit);
}
