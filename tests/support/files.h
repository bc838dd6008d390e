#pragma once
#include <string>

namespace testsupport {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Runs xmllint against the JUnit schema; returns its output (empty when the file validates).
std::string SchemaErrors(const std::string& reportPath);

}  // namespace testsupport
