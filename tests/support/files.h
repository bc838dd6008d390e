#pragma once
#include <string>

namespace testsupport {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
enum class Schema { kReport, kDashboard };
// Runs xmllint against the report's or the dashboard report's schema; returns its output (empty when the file
// validates).
std::string SchemaErrors(const std::string& reportPath, Schema schema = Schema::kReport);

}  // namespace testsupport
