#pragma once
#include <string>
#include <vector>

namespace corpus {

// The directory DH_WRITE_EXPECTED names, or "" when expectations are compared rather than written.
std::string WriteDirectory();

// The data file X.txt of the corpus folder ("golden" or "faulty") through the plug-in: compares the outcomes with
// X.expected, or, with a write directory, writes them to DIR/FOLDER/X.expected; refuses (fails, writes nothing)
// a file that reaches no verifier, and a golden file that fails a check or names no catalogued experiment.
void CheckDataFile(const std::string& dataFile, const std::string& folder, const std::string& writeDirectory);

// One test case per data file of the golden and faulty folders, as they are when the program starts.
void RegisterCorpusCases();

}  // namespace corpus
