// The parser that reads a data file from a file object the caller opened. What it makes of small files is the
// data-file corpus's (testdata/tabulon/).
#include "tabulon/muconcreteinmemorydatafile.h"
#include "support/scratchdir.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/log.h>

using namespace tabulon;

using namespace tabtest;

namespace {

struct InMemory {
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser;
  CollectingSink sink;
};

std::unique_ptr<InMemory> ParseInMemory(const std::string& path, const std::string& bytes) {
  testsupport::WriteFile(path, bytes);
  auto result = std::make_unique<InMemory>();
  wxFile file(W(path));
  result->parser = CreateDataFileParser(W(path), DataFileParser_InMemoryWithHeader, &result->sink, &file);
  return result;
}

// A byte-order mark alone is an empty text, not an unreadable file: nothing is logged.
TEST(InMemoryParser, AByteOrderMarkAloneLogsNothing) {
  testsupport::ScratchDir dir;
  for (const std::string& mark : {std::string("\xEF\xBB\xBF"), std::string("\xFF\xFE"), std::string("\xFE\xFF"),
                                  std::string("\xFF\xFE\0\0", 4), std::string("\0\0\xFE\xFF", 4)}) {
    CollectingLog log;
    auto parsed = ParseInMemory(dir.File("m.txt"), mark);
    EXPECT_TRUE(log.texts.empty()) << mark.size();
  }
}

// A file object that opens but cannot be read (a folder, where the system lets one open) gives no lines and says
// so, as one that never opened does.
TEST(InMemoryParser, AFileObjectThatCannotBeReadIsLogged) {
  testsupport::ScratchDir dir;
  wxMkdir(W(dir.File("folder.txt")));
  wxFile folder;
  {
    wxLogNull openingQuietly;
    folder.Open(W(dir.File("folder.txt")));
  }
  CollectingLog log;
  CollectingSink sink;
  auto parser = CreateDataFileParser(W(dir.File("folder.txt")), DataFileParser_InMemoryWithHeader, &sink, &folder);
  bool told = false;
  for (const wxString& text : log.texts) told = told || text.Contains("Failed to slurp into string.");
  EXPECT_TRUE(told);
}

}  // namespace
