#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace Varnel {

// What ties the diagnostics file to the report and the process instance that wrote both. Two processes with the
// same process id (containers each start at 1) sharing one report directory write under the same names; the
// stamp lets a host tell its own report from the other's.

// Set by a host before it loads the plug-in: a token of its own, which the diagnostics file repeats.
inline constexpr char kHostInstanceVariable[] = "DH_AUTOMATEDTESTING_HOST_INSTANCE";

// Size and 64-bit FNV-1a hash of a file's bytes.
struct ContentDigest {
  std::uint64_t size = 0;
  std::uint64_t hash = 0xcbf29ce484222325ULL;

  void Add(const char* bytes, std::size_t count);
  bool operator==(const ContentDigest& other) const { return size == other.size && hash == other.hash; }
};

// A fresh token of 16 lowercase hex digits: random, different for every call and process.
std::string NewInstanceToken();
bool IsInstanceToken(const std::string& text);
// This process's own token, made on first use. (A forked child keeps it; its process id differs.)
const std::string& ProcessInstanceToken();

// The stamp's lines, in this order at the head of the diagnostics file.
struct DiagnosticsStamp {
  std::string instance;                 // the writing process's token
  std::string hostInstance;             // the host's token; empty when the host set none
  std::optional<ContentDigest> report;  // the report's bytes as written; none when it was not written

  std::string Lines() const;  // each line ends with a line feed
  // Takes a stamp line into the stamp; false when the line is not one.
  bool Read(const std::string& line);
};

}  // namespace Varnel
