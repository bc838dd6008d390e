#include "tests/support/files.h"
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

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
  const std::string schemaPath = schema == Schema::kReport ? DH_SCHEMA_PATH : DH_DASHBOARD_SCHEMA_PATH;
  const std::string command = "xmllint --noout --schema '" + schemaPath + "' '" + reportPath + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "cannot run xmllint";
  std::string output;
  std::array<char, 512> chunk;
  while (fgets(chunk.data(), chunk.size(), pipe) != nullptr) output += chunk.data();
  const int status = pclose(pipe);
  return status == 0 ? std::string() : output;
}

}  // namespace testsupport
