// Events the reader queues: nothing without an application object, delivery through its event loop with one.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/reader_test_files.h"
#include <gtest/gtest.h>
#include <wx/app.h>

using namespace readertest;

namespace {

// Installs a console application object for the duration of a test, as a host with an event loop would have.
class ScopedApplication {
 public:
  ScopedApplication() { wxAppConsole::SetInstance(&application); }
  ~ScopedApplication() { wxAppConsole::SetInstance(nullptr); }
  wxAppConsole& Get() { return application; }

 private:
  wxAppConsole application;
};

class ReaderEvents : public ::testing::Test {
 protected:
  testsupport::ScratchDir dir;
  std::string path = WriteDataFile(dir.File("e.txt"), {"Word"}, {""}, {{"c"}, {"a"}, {"b"}});
};

TEST_F(ReaderEvents, WithoutAnApplicationEverythingStillCompletes) {
  ASSERT_EQ(wxAppConsole::GetInstance(), nullptr);
  auto reader = LoadReader(path);
  reader->SetRowMarked(0, true);
  reader->SetSortSettings("Word", 0);
  reader->Refresh();
  // The marked row "c" moved to the end with its mark.
  EXPECT_TRUE(reader->IsRowMarked(2));
  EXPECT_FALSE(reader->IsRowMarked(0));
}

TEST_F(ReaderEvents, MarkingARowTellsTheApplication) {
  ScopedApplication application;
  int received = 0;
  application.Get().Bind(MUEVT_TABULON_ROW_MARKING_CHANGED, [&](MUCommandEvent&) { ++received; });
  auto reader = LoadReader(path);
  reader->SetRowMarked(1, true);
  reader->ToggleRowMarked(1);
  reader->SetRowMarked(7, true);
  EXPECT_EQ(received, 0);
  application.Get().ProcessPendingEvents();
  EXPECT_EQ(received, 2);
}

TEST_F(ReaderEvents, ARefreshAfterASortQueuesTheStatusToTheReader) {
  ScopedApplication application;
  auto reader = LoadReader(path);
  reader->SetSortSettings("Word", 0);
  ASSERT_TRUE(reader->GetStatusText().StartsWith("Finished sorting by \"Word\""));
  // Removing a file shows its own status and refreshes, which sorts again; the sort's status arrives only
  // through the event loop.
  reader->RemoveMultipleFiles({"/not/one/of/ours.txt"});
  EXPECT_EQ(reader->GetStatusText(), "Done removing 1 file(s).");
  EXPECT_TRUE(application.Get().HasPendingEvents());
  application.Get().ProcessPendingEvents();
  EXPECT_FALSE(application.Get().HasPendingEvents());
  EXPECT_TRUE(reader->GetStatusText().StartsWith("Finished sorting by \"Word\""));
  EXPECT_EQ(ColumnTexts(*reader, "Word"), WxList({"a", "b", "c"}));
}

TEST_F(ReaderEvents, ARefreshWithoutASortQueuesNothing) {
  ScopedApplication application;
  auto reader = LoadReader(path);
  reader->Refresh();
  EXPECT_FALSE(application.Get().HasPendingEvents());
}

TEST_F(ReaderEvents, AReaderDestroyedWithPendingEventsLeavesNothingBehind) {
  ScopedApplication application;
  {
    auto reader = LoadReader(path);
    reader->SetSortSettings("Word", 1);
    reader->Refresh();
    EXPECT_TRUE(application.Get().HasPendingEvents());
  }
  EXPECT_FALSE(application.Get().HasPendingEvents());
  application.Get().ProcessPendingEvents();
}

}  // namespace
