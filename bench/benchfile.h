#pragma once
#include <string>

// A realistic data file just under the size limit (about ten thousand rows of twenty columns), written once to
// the temporary directory and removed at exit.
const std::string& BenchDataFilePath();
