#pragma once
#include <string>
#include <system_error>
#include <wx/string.h>

namespace tabulon {

// Reads a whole data file into memory, opening it once and checking it through the open handle, so that what
// is checked is what is read: a file swapped for a FIFO or a larger file between a check and an open cannot
// block the host or make it read past the limit.
struct DataFileBytes {
  enum class Failure {
    None,
    CannotOpen,  // missing, unreadable or a read error; systemError tells why
    NotRegular,  // a directory, FIFO, device or anything else that is not a plain file
    TooLarge,    // size holds the size found (or limit + 1 when the file grew while it was read)
  };
  Failure failure = Failure::None;
  std::error_code systemError;
  unsigned long long size = 0;
  std::string bytes;
};

// Never blocks and never reads more than limit + 1 bytes.
DataFileBytes ReadDataFileBytes(const wxString& path, unsigned long long limit);

}  // namespace tabulon
