#pragma once
#include <string>

namespace testsupport {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Runs xmllint against the schema (by default the report's); returns its output (empty when the file validates).
std::string SchemaErrors(const std::string& reportPath, const std::string& schemaPath = DH_SCHEMA_PATH);

}  // namespace testsupport
