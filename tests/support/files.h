#pragma once
#include <string>
#include <vector>

namespace testsupport {

// Path of a file under testdata/.
std::string TestData(const std::string& relativePath);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
enum class Schema { Report, Dashboard };
// Runs xmllint against the report's or the dashboard report's schema; returns its output (empty when the file
// validates).
std::string SchemaErrors(const std::string& reportPath, Schema schema = Schema::Report);
// The standard output of a shell command; status, when given, gets its exit status (-1 when it could not run).
std::string CommandOutput(const std::string& command, int* status = nullptr);

// The parts of the text between the separators (the whole text when there is none).
std::vector<std::string> Split(const std::string& text, char separator);
// The files of the folder with the extension (".txt"), as full paths, sorted.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension);
// A file's name without folder and extension as a test name: what is not a letter or digit becomes '_'.
std::string TestNameOf(const std::string& path);
// The text with \t, \n, \r, \\ and \xHH made the bytes they stand for.
std::string Unescaped(const std::string& value);
// Replaces every occurrence of from in the text, left to right; returns the text.
std::string& ReplaceAll(std::string& text, const std::string& from, const std::string& to);
// Compares the text with the file kept at the path byte for byte; DH_WRITE_EXPECTED=1 writes the file from this
// build instead (then read the diff).
void ExpectSameAsKept(const std::string& text, const std::string& keptPath);
// The text with the digits after "_pid_" and "Running_" (suite and report names) read "<pid>".
std::string WithoutProcessIds(std::string text);

}  // namespace testsupport
