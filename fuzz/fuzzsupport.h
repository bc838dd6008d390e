#pragma once
// What every fuzz target shares: toolkit start-up, a private working directory, writing the input as a file,
// splitting an input into a file body and control bytes, and a check that aborts with a message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <wx/string.h>

namespace fuzzsupport {

// Starts the toolkit once (the host has an application object, so the targets have one too), silences its log
// so that millions of failed parses do not flood the terminal, and moves into a fresh temporary directory that
// is removed at exit. Returns that directory.
const std::string& InitialiseOnce();

// For LLVMFuzzerInitialize: starts up as above and rewrites libFuzzer's relative paths (corpus folders, inputs,
// artifact prefix and the like) against the directory the program was started in, so that they still mean what
// the caller meant; crash artifacts go there too unless a prefix is given.
void InitialiseForLibFuzzer(int* argc, char*** argv);

// The private working directory; files the targets write go there.
const std::string& WorkDir();

// Writes the bytes to the path, replacing the file. Aborts when that fails: every later step would be meaningless.
void WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The native path as the library expects it.
wxString ToWx(const std::string& path);

// An input is [file body][control bytes][one byte: how many control bytes]. Seeds made from plain data files
// get a trailer appended by the corpus script; a mutated trailer only shifts where the body ends.
struct SplitInput {
  const std::uint8_t* body = nullptr;
  std::size_t bodySize = 0;
  const std::uint8_t* control = nullptr;
  std::size_t controlSize = 0;
};
SplitInput Split(const std::uint8_t* data, std::size_t size);

// Delivers the events the library queued to the application object, as the host's event loop would.
void DeliverPendingEvents();

// A broken invariant: print and abort so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char* what, const char* file, int line);

}  // namespace fuzzsupport

#define FUZZ_CHECK(condition)                                              \
  do {                                                                     \
    if (!(condition)) ::fuzzsupport::Fail(#condition, __FILE__, __LINE__); \
  } while (0)
