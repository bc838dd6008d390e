#include "reporting/reportstamp.h"
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <random>

namespace Varnel {

namespace {

const char kInstancePrefix[] = "instance: ";
const char kHostInstancePrefix[] = "host instance: ";
const char kReportPrefix[] = "report: ";
const char kNotWritten[] = "not written";
constexpr std::size_t kTokenLength = 16;

std::string Hex16(std::uint64_t value) {
  char text[kTokenLength + 1];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::uint64_t Mix(std::uint64_t value) {
  value += 0x9e3779b97f4a7c15ULL;
  value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
  value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
  return value ^ (value >> 31);
}

// The system's random source, with the clock and an address folded in for systems whose source is weak.
std::uint64_t RandomBits() {
  std::uint64_t bits = 0;
  try {
    std::random_device source;
    bits = (static_cast<std::uint64_t>(source()) << 32) ^ source();
  } catch (const std::exception&) {
    // No random source: the clock and the address below still differ between processes.
  }
  static int anchor = 0;
  bits ^= Mix(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  bits ^= Mix(reinterpret_cast<std::uintptr_t>(&anchor) ^ reinterpret_cast<std::uintptr_t>(&bits));
  static std::uint64_t calls = 0;
  return Mix(bits + ++calls);
}

// The line's text after the prefix; none without the prefix.
std::optional<std::string> After(const std::string& line, const char* prefix) {
  const std::string head(prefix);
  if (line.compare(0, head.size(), head) != 0) return std::nullopt;
  return line.substr(head.size());
}

// "<size> bytes, hash <16 hex digits>"; none for any other text.
std::optional<ContentDigest> ReadDigest(const std::string& text) {
  unsigned long long size = 0;
  char hash[kTokenLength + 1] = {};
  int end = 0;
  if (std::sscanf(text.c_str(), "%llu bytes, hash %16[0-9a-f]%n", &size, hash, &end) != 2 ||
      static_cast<std::size_t>(end) != text.size() || !IsInstanceToken(hash)) {
    return std::nullopt;
  }
  ContentDigest digest;
  digest.size = size;
  digest.hash = std::stoull(hash, nullptr, 16);
  return digest;
}

}  // namespace

void ContentDigest::Add(const char* bytes, std::size_t count) {
  size += count;
  for (std::size_t i = 0; i < count; ++i) {
    hash ^= static_cast<unsigned char>(bytes[i]);
    hash *= 0x100000001b3ULL;
  }
}

std::string NewInstanceToken() { return Hex16(RandomBits()); }

bool IsInstanceToken(const std::string& text) {
  return text.size() == kTokenLength && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

const std::string& ProcessInstanceToken() {
  static const std::string token = NewInstanceToken();
  return token;
}

std::string DiagnosticsStamp::Lines() const {
  std::string lines = kInstancePrefix + instance + "\n";
  if (!hostInstance.empty()) lines += kHostInstancePrefix + hostInstance + "\n";
  lines += kReportPrefix;
  lines += report ? std::to_string(report->size) + " bytes, hash " + Hex16(report->hash) : std::string(kNotWritten);
  return lines + "\n";
}

bool DiagnosticsStamp::Read(const std::string& line) {
  std::optional<std::string> rest;
  if ((rest = After(line, kInstancePrefix))) {
    instance = *rest;
  } else if ((rest = After(line, kHostInstancePrefix))) {
    hostInstance = *rest;
  } else if ((rest = After(line, kReportPrefix))) {
    if (*rest == kNotWritten) {
      report.reset();
      return true;
    }
    const std::optional<ContentDigest> digest = ReadDigest(*rest);
    if (!digest) return false;
    report = digest;
  } else {
    return false;
  }
  return true;
}

}  // namespace Varnel
