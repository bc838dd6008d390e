// The parser that reads a data file from a file object the caller opened. What it makes of small files is the
// data-file corpus's (testdata/tabulon/).
#include "tabulon/muconcreteinmemorydatafile.h"
#include "support/scratchdir.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <wx/file.h>

using namespace tabulon;

using namespace tabtest;

namespace {

struct InMemory {
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser;
  CollectingSink sink;
  wxFileOffset positionAfter = 0;
};

std::unique_ptr<InMemory> ParseInMemory(const std::string& path, const std::string& bytes, wxFileOffset start = 0) {
  testsupport::WriteFile(path, bytes);
  auto result = std::make_unique<InMemory>();
  wxFile file(W(path));
  file.Seek(start);
  result->parser = CreateDataFileParser(W(path), DataFileParser_InMemoryWithHeader, &result->sink, &file);
  result->positionAfter = file.Tell();
  return result;
}

// The caller's file may stand anywhere: the parser reads it from the start and puts the position back.
TEST(InMemoryParser, ReadsFromTheStartAndLeavesTheFilePositionAsItWas) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("m.txt"), HeaderBlock("A", "B") + "1\n2\n", 13);
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->positionAfter, 13);
  EXPECT_EQ(parsed->parser->GetExperimentName(), "My Experiment");  // what the rows hold is the corpus's
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

}  // namespace
