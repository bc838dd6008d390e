#include "files.h"
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::string TestData(const std::string& relativePath) { return DH_SOURCE_DIR "/testdata/" + relativePath; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out << bytes;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::string SchemaErrors(const std::string& reportPath, Schema schema) {
  const std::string schemaPath = schema == Schema::Report ? DH_SCHEMA_PATH : DH_DASHBOARD_SCHEMA_PATH;
  int status = 0;
  const std::string output =
      CommandOutput("xmllint --noout --schema '" + schemaPath + "' '" + reportPath + "' 2>&1", &status);
  return status == 0 ? std::string() : "xmllint status " + std::to_string(status) + ": " + output;
}

std::string CommandOutput(const std::string& command, int* status) {
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  if (status != nullptr) *status = -1;
  if (pipe == nullptr) return output;
  std::array<char, 4096> chunk;
  for (size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) output.append(chunk.data(), n);
  const int exitStatus = pclose(pipe);
  if (status != nullptr) *status = exitStatus;
  return output;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back().push_back(c);
    }
  }
  return parts;
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == extension) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TestNameOf(const std::string& path) {
  std::string name = std::filesystem::path(path).stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

std::string Unescaped(const std::string& value) {
  std::string bytes;
  for (std::size_t at = 0; at < value.size(); ++at) {
    const char c = value[at];
    if (c != '\\' || at + 1 == value.size()) {
      bytes += c;
      continue;
    }
    const char code = value[++at];
    if (code == 'x') {
      bytes += static_cast<char>(std::stoi(value.substr(at + 1, 2), nullptr, 16));
      at += 2;
    } else {
      bytes += code == 't' ? '\t' : code == 'n' ? '\n' : code == 'r' ? '\r' : code;
    }
  }
  return bytes;
}

std::string& ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

void ExpectSameAsKept(const std::string& text, const std::string& keptPath) {
  if (std::getenv("DH_WRITE_EXPECTED") != nullptr) {
    WriteFile(keptPath, text);
    GTEST_SKIP() << "wrote " << keptPath;
  }
  EXPECT_EQ(text, ReadFile(keptPath)) << keptPath;
}

std::string WithoutProcessIds(std::string text) {
  for (const std::string before : {"_pid_", "Running_"}) {
    for (size_t at = text.find(before); at != std::string::npos; at = text.find(before, at + 1)) {
      const size_t digits = at + before.size();
      size_t end = digits;
      while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
      if (end > digits) text.replace(digits, end - digits, "<pid>");
    }
  }
  return text;
}

}  // namespace testsupport
