// The multi-file reader: loads the input (and maybe a second file derived from it, so that columns merge), then
// runs a sequence of table operations and queries that the control bytes choose.
#include "fuzzsupport.h"
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/muinterfacefileobserver.h"
#include "tabulon/readerevents.h"
#include "tabulon/rowpredicate.h"
#include "tabulon/rowrecord.h"
#include <fuzzer/FuzzedDataProvider.h>
#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>
#include <wx/file.h>
#include <wx/filename.h>

using tabulon::RowRecord;

namespace {

constexpr int kMaxOperations = 64;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find('\t', start);
    cells.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return cells;
}

std::string JoinTabs(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
  return line;
}

// A second data file from the first, such that merging the two has something to do.
std::string DeriveSecondFile(const std::string& body, int how) {
  std::vector<std::string> lines = SplitLines(body);
  switch (how) {
    case 0:  // the same columns
      break;
    case 1:  // the heading rows swapped
      if (lines.size() > 5) std::swap(lines[4], lines[5]);
      break;
    case 2:  // one more column, which only this file has
      for (std::size_t i = 4; i < lines.size(); ++i) {
        lines[i] += i == 4 ? "\tOnly In Second" : i == 5 ? "\tColumn" : "\tx" + std::to_string(i);
      }
      break;
    case 3:  // the columns in reverse order
      for (std::size_t i = 4; i < lines.size(); ++i) {
        std::vector<std::string> cells = SplitTabs(lines[i]);
        std::reverse(cells.begin(), cells.end());
        lines[i] = JoinTabs(cells);
      }
      break;
    case 4:  // the first column dropped
      for (std::size_t i = 4; i < lines.size(); ++i) {
        std::vector<std::string> cells = SplitTabs(lines[i]);
        if (!cells.empty()) cells.erase(cells.begin());
        lines[i] = JoinTabs(cells);
      }
      break;
    default:  // only the first half of the rows
      if (lines.size() > 6) lines.resize(6 + (lines.size() - 6) / 2);
      break;
  }
  return JoinLines(lines);
}

// A condition on rows whose behaviour the fuzz input chooses. Equal descriptions mean equal conditions; the
// mode whose answer changes from call to call says its results must not be cached.
class FuzzPredicate : public tabulon::RowPredicate {
 public:
  FuzzPredicate(int testMode, wxString columnName, wxString text, double limit, std::uint32_t bits)
      : mode(testMode), column(std::move(columnName)), needle(std::move(text)), threshold(limit), mask(bits) {}

  int Test(const RowRecord& record) const override {
    ++calls;
    switch (mode) {
      case 0:
        return TestCellText(record.CellText(column));
      case 1:
        return record.CellText(column).empty() ? 1 : 0;
      case 2:
        return record.ReactionTime() > threshold ? 1 : 0;
      case 3:
        return (record.flags & mask) == mask ? 1 : 0;
      case 4:
        return record.HasCell(column) ? 2 : 1;  // 2 is not "true"
      case 5:
        return record.SortKey(column, static_cast<int>(calls % 4)) < threshold ? 1 : 0;
      case 6:
        return record.IsCoveredBySortKeys(column) ? 1 : -1;
      default:
        return calls % 2 == 0 ? 1 : 0;
    }
  }
  int TestCellText(const wxString& cellText) const override { return cellText.Contains(needle) ? 1 : 0; }
  bool MayCacheResults() const override { return mode != 3 && mode < 7; }
  wxString Description() const override {
    return wxString::Format("fuzz %d %s %s %.17g %u", mode, column, needle, threshold, unsigned(mask));
  }

 private:
  const int mode;
  const wxString column;
  const wxString needle;
  const double threshold;
  const std::uint32_t mask;
  mutable unsigned long calls = 0;
};

// A view that looks at the table while it is told about a change, and may leave while being told.
class FuzzView : public MUInterfaceFileObserver {
 public:
  FuzzView(MUExperimentTextReaderMultiFile& watched, bool leaveOnNotice)
      : reader(watched), leaveWhenTold(leaveOnNotice) {}

  void OnTableChanged(int shownRowCount, int shownColumnCount, int allRowCount, int firstChangedRow,
                      int firstChangedColumn) override {
    FUZZ_CHECK(shownRowCount == reader.GetRowCount());
    FUZZ_CHECK(shownColumnCount == reader.GetColumnCount());
    FUZZ_CHECK(allRowCount == reader.GetAllRowCount());
    FUZZ_CHECK(firstChangedRow >= -1 && firstChangedColumn >= -1);
    (void)reader.GetCellText(firstChangedRow, firstChangedColumn);
    (void)reader.GetColumnName(firstChangedColumn);
    if (leaveWhenTold) reader.RemoveView(this);
  }
  void SimultaneousFileRequestsSuppressAndUnsuppress(tabulon::CommandEvent&) override {}

 private:
  MUExperimentTextReaderMultiFile& reader;
  const bool leaveWhenTold;
};

class Session {
 public:
  Session(FuzzedDataProvider& provider, const std::string& fileBody) : control(provider), body(fileBody) {}

  void Run() {
    const std::string& dir = fuzzsupport::WorkDir();
    firstPath = dir + "/first P01.txt";
    secondPath = dir + "/second P02.txt";
    fuzzsupport::WriteFileBytes(firstPath, body);

    MUExperimentTextReaderMultiFile reader;
    FuzzView stayingView(reader, false);
    FuzzView leavingView(reader, true);
    if (control.ConsumeBool()) reader.AddView(&stayingView);
    if (control.ConsumeBool()) reader.AddView(&leavingView);

    LoadFirst(reader);
    LoadSecond(reader);
    const int operations = control.ConsumeIntegralInRange<int>(0, kMaxOperations);
    for (int i = 0; i < operations && control.remaining_bytes() > 0; ++i) Operate(reader);
    // The reader's own queued events reach it before it goes, as in the host.
    fuzzsupport::DeliverPendingEvents();
    CheckTable(reader);
  }

 private:
  void LoadFirst(MUExperimentTextReaderMultiFile& reader) {
    const wxFileName name(fuzzsupport::ToWx(firstPath));
    switch (control.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: {
        wxFile file(name.GetFullPath());
        reader.AddSelectedFile(name, control.ConsumeBool(), &file);
        break;
      }
      case 1:
        reader.AddFile(name, control.ConsumeBool());
        if (control.ConsumeBool()) reader.SetFileSelected(name.GetFullPath(), true);
        reader.Refresh();
        break;
      default:
        reader.AddSelectedFile(name, control.ConsumeBool());
        break;
    }
  }

  void LoadSecond(MUExperimentTextReaderMultiFile& reader) {
    const int how = control.ConsumeIntegralInRange<int>(-1, 5);
    if (how < 0) return;
    fuzzsupport::WriteFileBytes(secondPath, DeriveSecondFile(body, how));
    const wxFileName second(fuzzsupport::ToWx(secondPath));
    switch (control.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: {
        wxFile file(second.GetFullPath());
        reader.AddSelectedFile(second, true, &file);
        break;
      }
      case 1:
        reader.AddFile(second, true);
        reader.Refresh();
        break;
      case 2: {
        const wxFileName missing(fuzzsupport::ToWx(fuzzsupport::WorkDir() + "/missing.txt"));
        reader.AddMultipleFiles({second, missing});
        break;
      }
      default:
        reader.AddSelectedFile(second, false);
        break;
    }
  }

  int RowIndex(const MUExperimentTextReaderMultiFile& reader) {
    return control.ConsumeIntegralInRange<int>(-2, reader.GetAllRowCount() + 2);
  }

  int Scope() {
    static const int scopes[] = {
        tabulon::RowScope::Shown, tabulon::RowScope::All, tabulon::RowScope::Unfiltered, 0, 3, 7, -1};
    return control.PickValueInArray(scopes);
  }

  std::uint32_t Bits() {
    static const std::uint32_t bits[] = {0, 1, 2, 4, 8, 16, 32, 60, 64, 96, 0xFFFFFFFFu};
    return control.ConsumeBool() ? control.PickValueInArray(bits) : control.ConsumeIntegral<std::uint32_t>();
  }

  // A column name: mostly one the table has (shown or not), sometimes the reaction-time column or any text.
  wxString ColumnName(MUExperimentTextReaderMultiFile& reader) {
    switch (control.ConsumeIntegralInRange<int>(0, 4)) {
      case 0:
        return wxS("Reaction\nTime");
      case 1:
        return wxString::FromUTF8(control.ConsumeRandomLengthString(24));
      case 2:
        return reader.GetColumnName(control.ConsumeIntegralInRange<int>(-1, reader.GetColumnCount()));
      default: {
        const std::vector<wxString> all = reader.GetColumnNamesWhereBitStringAbsent(0);
        if (all.empty()) return wxString();
        return all[control.ConsumeIntegralInRange<std::size_t>(0, all.size() - 1)];
      }
    }
  }

  FuzzPredicate Predicate(MUExperimentTextReaderMultiFile& reader) {
    const int mode = control.ConsumeIntegralInRange<int>(0, 7);
    wxString column = ColumnName(reader);
    wxString needle = wxString::FromUTF8(control.ConsumeRandomLengthString(8));
    const double threshold = control.ConsumeFloatingPoint<double>();
    return FuzzPredicate(mode, column, needle, threshold, Bits());
  }

  // The last index a query may return over a sequence of that length. Re-sorting or renumbering without a
  // refresh rebuilds the row sequences but keeps (some) cached answers, which may then point past the end of a
  // sequence that has lost its hidden rows; they are only bounded again once the caches are emptied.
  int LastIndex(int length) const { return cachedIndicesMayBeStale ? std::numeric_limits<int>::max() : length - 1; }

  static void CheckIndices(const std::vector<int>& indices, int first, int last) {
    for (std::size_t i = 0; i < indices.size(); ++i) {
      FUZZ_CHECK(indices[i] >= first && indices[i] <= last);
      if (i > 0) FUZZ_CHECK(indices[i - 1] < indices[i]);
    }
  }

  void Operate(MUExperimentTextReaderMultiFile& reader) {
    switch (control.ConsumeIntegralInRange<int>(0, 22)) {
      case 0: {
        const wxString name = ColumnName(reader);
        reader.SetSortSettings(name, control.ConsumeIntegralInRange<int>(-1, 2));
        cachedIndicesMayBeStale = true;
        wxString sortName;
        int direction = 0;
        reader.GetSortSettings(sortName, direction);
        FUZZ_CHECK(sortName == name);
        break;
      }
      case 1:
        reader.HideRow(RowIndex(reader));
        break;
      case 2:
        reader.ShowAllRows();
        break;
      case 3: {
        const int row = RowIndex(reader);
        const bool on = control.ConsumeBool();
        reader.SetRowMarked(row, on);
        if (reader.GetRowRecord(row, tabulon::RowScope::Shown) != nullptr) FUZZ_CHECK(reader.IsRowMarked(row) == on);
        break;
      }
      case 4: {
        const int row = RowIndex(reader);
        const bool before = reader.IsRowMarked(row);
        reader.ToggleRowMarked(row);
        if (reader.GetRowRecord(row, tabulon::RowScope::Shown) != nullptr)
          FUZZ_CHECK(reader.IsRowMarked(row) != before);
        break;
      }
      case 5:
        reader.Refresh();
        cachedIndicesMayBeStale = false;
        break;
      case 6: {
        const int scope = Scope();
        const std::vector<wxString> values =
            reader.SelectDistinctPerColumn(ColumnName(reader), scope, control.ConsumeBool());
        for (std::size_t i = 1; i < values.size(); ++i) FUZZ_CHECK(values[i] != values[0]);
        break;
      }
      case 7: {
        const FuzzPredicate predicate = Predicate(reader);
        const bool includeHidden = control.ConsumeBool();
        const int length = includeHidden ? reader.GetAllRowCount() : static_cast<int>(ShownSequenceLength(reader));
        if (control.ConsumeBool()) {
          CheckIndices(reader.GetRowIndicesWherePredicateReturnsTrue(predicate, includeHidden), 0, LastIndex(length));
        } else {
          const int first = RowIndex(reader);
          const int last = RowIndex(reader);
          const std::vector<int> indices =
              reader.GetRowIndicesWherePredicateReturnsTrue(predicate, includeHidden, first, last);
          CheckIndices(indices, 0, LastIndex(length));
        }
        break;
      }
      case 8: {
        const FuzzPredicate predicate = Predicate(reader);
        const int scope = Scope();
        (void)reader.GetRowIndicesWherePredicateReturnsTrueInScope(predicate, scope, RowIndex(reader),
                                                                   RowIndex(reader));
        break;
      }
      case 9: {
        const int scope = Scope();
        std::vector<int> indices;
        switch (control.ConsumeIntegralInRange<int>(0, 2)) {
          case 0:
            indices = reader.GetRowIndicesWhereBitStringMatches(Bits(), scope);
            break;
          case 1:
            indices = reader.GetRowIndicesWhereBitStringAbsent(Bits(), scope);
            break;
          default:
            indices = reader.GetRowIndicesWhereBitStringHasXAbsentY(Bits(), Bits(), scope);
            break;
        }
        if (scope == tabulon::RowScope::Shown)
          CheckIndices(indices, 0, LastIndex(static_cast<int>(ShownSequenceLength(reader))));
        for (int index : indices) (void)reader.GetRowRecord(index, scope);
        break;
      }
      case 10: {
        std::vector<wxString> names;
        switch (control.ConsumeIntegralInRange<int>(0, 2)) {
          case 0:
            names = reader.GetColumnNamesWhereBitStringMatches(Bits());
            break;
          case 1:
            names = reader.GetColumnNamesWhereBitStringAbsent(Bits());
            break;
          default:
            names = reader.GetColumnNamesWhereBitStringHasXAbsentY(Bits(), Bits());
            break;
        }
        for (const wxString& name : names) FUZZ_CHECK(reader.FindColumnProperty(name) != nullptr);
        break;
      }
      case 11:
        reader.HideEmptyColumnsBasedOnCurrentlyShownRows();
        break;
      case 12: {
        const int row = control.ConsumeIntegralInRange<int>(-3, reader.GetRowCount() + 3);
        const int column = control.ConsumeIntegralInRange<int>(-3, reader.GetColumnCount() + 3);
        const wxString text = reader.GetCellText(row, column);
        if (row < 0 || column < 0 || row >= reader.GetRowCount() || column >= reader.GetColumnCount()) {
          FUZZ_CHECK(text == wxS("?"));
        }
        const wxString name = reader.GetColumnName(column);
        if (column < 0 || column >= reader.GetColumnCount()) FUZZ_CHECK(name == wxS("?"));
        if (control.ConsumeBool()) (void)reader.GetColumnName(control.ConsumeIntegral<int>());
        if (control.ConsumeBool())
          (void)reader.GetCellText(control.ConsumeIntegral<int>(), control.ConsumeIntegral<int>());
        break;
      }
      case 13:
        if (control.ConsumeBool()) {
          reader.HideColumn(ColumnName(reader));
        } else {
          reader.ShowColumn(ColumnName(reader));
        }
        break;
      case 14:
        reader.ClearSortSettings();
        cachedIndicesMayBeStale = true;
        break;
      case 15: {
        const std::vector<wxString> files = reader.GetAllFiles();
        const wxString path = files.empty() || control.ConsumeBool()
                                  ? fuzzsupport::ToWx(secondPath)
                                  : files[control.ConsumeIntegralInRange<std::size_t>(0, files.size() - 1)];
        const bool selected = control.ConsumeBool();
        if (reader.SetFileSelected(path, selected)) FUZZ_CHECK(reader.IsFileSelected(path) == selected);
        break;
      }
      case 16: {
        const int scope = Scope();
        const RowRecord* record = reader.GetRowRecord(RowIndex(reader), scope);
        if (record != nullptr) (void)record->CellText(ColumnName(reader));
        break;
      }
      case 17:
        reader.RemoveMultipleFiles({fuzzsupport::ToWx(control.ConsumeBool() ? secondPath : firstPath)});
        break;
      case 18:
        fuzzsupport::DeliverPendingEvents();
        break;
      case 19:
        switch (control.ConsumeIntegralInRange<int>(0, 3)) {
          case 0:
            reader.MarkRefreshNeeded();
            break;
          case 1:
            reader.ReSort();
            cachedIndicesMayBeStale = false;
            break;
          case 2:
            reader.RenumberRows();
            cachedIndicesMayBeStale = true;
            break;
          default:
            reader.ClearQueryCaches();
            cachedIndicesMayBeStale = false;
            break;
        }
        break;
      case 20: {
        const wxString name = ColumnName(reader);
        (void)reader.IsTrialVariableColumn(name);
        (void)reader.IsFirstSegmentAbsentColumn(name);
        const int index = reader.GetColumnIndex(name);
        if (index >= 0) FUZZ_CHECK(reader.GetColumnName(index) == name);
        (void)reader.GetSelectedFiles();
        break;
      }
      case 21: {
        // Another part of the host asks for files to be selected or deselected.
        tabulon::CommandEvent request(tabulon::EVT_DATA_CHANGED);
        request.SetInt(control.ConsumeBool() ? 1 : 0);
        request.SetString(fuzzsupport::ToWx(firstPath) + wxS("\n") + fuzzsupport::ToWx(secondPath) + wxS("\n") +
                          wxString::FromUTF8(control.ConsumeRandomLengthString(16)));
        reader.SimultaneousFileRequestsSuppressAndUnsuppress(request);
        break;
      }
      default: {
        // A whole pass over the shown table, as a grid drawing it would make.
        const int rows = std::min(reader.GetRowCount(), 64);
        const int columns = std::min(reader.GetColumnCount(), 64);
        for (int row = 0; row < rows; ++row) {
          for (int column = 0; column < columns; ++column) (void)reader.GetCellText(row, column);
        }
        break;
      }
    }
  }

  static std::size_t ShownSequenceLength(const MUExperimentTextReaderMultiFile& reader) {
    std::size_t length = 0;
    while (reader.GetRowRecord(static_cast<int>(length), tabulon::RowScope::Shown) != nullptr) ++length;
    return length;
  }

  static void CheckTable(MUExperimentTextReaderMultiFile& reader) {
    reader.Refresh();
    FUZZ_CHECK(reader.GetColumnCount() == static_cast<int>(reader.GetColumnNames().size()));
    FUZZ_CHECK(reader.GetRowCount() == static_cast<int>(ShownSequenceLength(reader)));
    FUZZ_CHECK(reader.GetRowCount() <= reader.GetAllRowCount());
    FUZZ_CHECK(reader.GetCellText(-1, 0) == wxS("?"));
    FUZZ_CHECK(reader.GetCellText(reader.GetRowCount(), 0) == wxS("?"));
    FUZZ_CHECK(reader.GetColumnName(reader.GetColumnCount()) == wxS("?"));
  }

  FuzzedDataProvider& control;
  const std::string& body;
  std::string firstPath;
  std::string secondPath;
  bool cachedIndicesMayBeStale = false;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzsupport::InitialiseForLibFuzzer(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzsupport::SplitInput input = fuzzsupport::Split(data, size);
  FuzzedDataProvider control(input.control, input.controlSize);
  const std::string body(reinterpret_cast<const char*>(input.body), input.bodySize);
  Session(control, body).Run();
  return 0;
}
