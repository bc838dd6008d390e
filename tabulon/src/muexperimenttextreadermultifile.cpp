// Loading files into the reader, the file set, refreshing the table and telling its views.
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/columnnames.h"
#include "tabulon/rowrecord.h"
#include <algorithm>
#include <new>
#include <wx/app.h>
#include <wx/file.h>
#include <wx/log.h>
#include <wx/tokenzr.h>
#include <wx/translation.h>

using tabulon::ColumnFlag_AnyHidingBit;
using tabulon::CreateDataFileParser;
using tabulon::DataFileParser_InMemoryWithHeader;
using tabulon::DataFileParser_TextWithHeader;
using tabulon::MarkerKey_FullPath;
using tabulon::MergeColumnsInto;
using tabulon::ParseReportSink;
using tabulon::RowRecord;
using tabulon::UpdateAbsentFilesFlag;

namespace {

template <typename Sequence>
int FirstDifference(const Sequence& before, const Sequence& after) {
  const std::size_t common = std::min(before.size(), after.size());
  std::size_t index = 0;
  while (index < common && before[index] == after[index]) ++index;
  if (index == common && before.size() == after.size()) return -1;
  return static_cast<int>(index);
}

std::unique_ptr<MUInterfaceExperimentDataFileInputReader> CreateParser(const wxString& path, ParseReportSink* sink,
                                                                       wxFile* openFile) {
  if (openFile != nullptr && openFile->IsOpened()) {
    return CreateDataFileParser(path, DataFileParser_InMemoryWithHeader, sink, openFile);
  }
  return CreateDataFileParser(path, DataFileParser_TextWithHeader, sink);
}

}  // namespace

MUExperimentTextReaderMultiFile::MUExperimentTextReaderMultiFile(ParseReportSink* sink) : reportSink(sink) {
  Initialise();
}

MUExperimentTextReaderMultiFile::~MUExperimentTextReaderMultiFile() = default;

bool MUExperimentTextReaderMultiFile::Initialise() {
  fileSelection.clear();
  newlyLoadedPaths.clear();
  rows.Clear();
  firstRowKey = nextRowKey;
  allRows.clear();
  unfilteredRows.clear();
  shownRows.clear();
  previousShownRows.clear();
  columns.clear();
  shownColumnNames.clear();
  previousShownColumnNames.clear();
  shownColumnContent.clear();
  shownRowCount = 0;
  shownColumnCount = 0;
  sortColumn.clear();
  sortDirection = 0;
  lastSortMilliseconds.reset();
  cachingBroker = std::make_unique<MUQueryCachingBroker>();
  ClearQueryCaches();
  insertColumnsNextTo = true;
  refreshNeeded = false;
  if (!eventsBound) {
    Bind(MUEVT_TABULON_DATA_CHANGED, &MUExperimentTextReaderMultiFile::OnDataChanged, this);
    eventsBound = true;
  }
  return true;
}

bool MUExperimentTextReaderMultiFile::AddFile(const wxFileName& fileName, bool refresh) {
  const bool loaded = LoadFile(fileName, false, nullptr);
  if (refresh) MarkRefreshNeeded();
  return loaded;
}

bool MUExperimentTextReaderMultiFile::AddSelectedFile(const wxFileName& fileName, bool refresh, wxFile* openFile) {
  const bool loaded = LoadFile(fileName, true, openFile);
  if (refresh) MarkRefreshNeeded();
  if (loaded) Refresh();
  return loaded;
}

bool MUExperimentTextReaderMultiFile::LoadFile(const wxFileName& fileName, bool select, wxFile* openFile) {
  const wxString path = fileName.GetFullPath();
  const auto earlierSelection = fileSelection.find(path);
  const std::optional<bool> wasSelected =
      earlierSelection == fileSelection.end() ? std::nullopt : std::optional<bool>(earlierSelection->second);
  const auto restoreSelection = [&] {
    if (wasSelected) {
      fileSelection[path] = *wasSelected;
    } else {
      fileSelection.erase(path);
    }
  };
  if (select) fileSelection[path] = true;

  const unsigned firstKey = nextRowKey;
  try {
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser = CreateParser(path, reportSink, openFile);
    if (!parser || parser->HasFailed()) {
      restoreSelection();
      return false;
    }
    ImportRows(*parser);
    MergeColumns(*parser, path);
  } catch (const std::exception&) {
    // Running out of memory on a huge file must not take the host down: drop what this file brought.
    ForgetRowsFrom(firstKey);
    restoreSelection();
    return false;
  }
  newlyLoadedPaths.assign(1, path);
  ApplyColumnVisibility(newlyLoadedPaths);
  return true;
}

void MUExperimentTextReaderMultiFile::ForgetRowsFrom(unsigned firstKey) {
  for (std::size_t index = firstKey - firstRowKey; index < rows.Size(); ++index) rows.Remove(index);
}

void MUExperimentTextReaderMultiFile::ImportRows(MUInterfaceExperimentDataFileInputReader& parser) {
  const unsigned rowCount = parser.GetDataRowCount();
  parser.SetNextRowIndex(0);
  for (unsigned i = 0; i < rowCount; ++i) {
    std::unique_ptr<RowRecord> record = parser.ReadNextRow(true);
    if (!record) break;
    rows.Append(std::move(*record));
    ++nextRowKey;
  }
}

void MUExperimentTextReaderMultiFile::MergeColumns(MUInterfaceExperimentDataFileInputReader& parser,
                                                   const wxString& path) {
  MergeColumnsInto(columns, parser.ReleaseColumnProperties(), path, insertColumnsNextTo);
}

void MUExperimentTextReaderMultiFile::ApplyColumnVisibility(const std::vector<wxString>& paths) {
  tabulon::ApplyColumnVisibility(columns, paths);
}

void MUExperimentTextReaderMultiFile::MarkRefreshNeeded() { refreshNeeded = true; }

void MUExperimentTextReaderMultiFile::AddView(MUInterfaceFileObserver* view) {
  // A reader relays its own notifications to its views, so it must not be one of them.
  if (view == nullptr || view == this) return;
  if (std::find(views.begin(), views.end(), view) == views.end()) views.push_back(view);
}

void MUExperimentTextReaderMultiFile::RemoveView(MUInterfaceFileObserver* view) {
  views.erase(std::remove(views.begin(), views.end(), view), views.end());
}

bool MUExperimentTextReaderMultiFile::IsFileSelected(const wxString& path) const {
  const auto found = fileSelection.find(path);
  return found != fileSelection.end() && found->second;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetSelectedFiles() const {
  std::vector<wxString> selected;
  for (const auto& [path, isSelected] : fileSelection) {
    if (isSelected) selected.push_back(path);
  }
  return selected;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetAllFiles() const {
  std::vector<wxString> paths;
  for (const auto& entry : fileSelection) paths.push_back(entry.first);
  return paths;
}

bool MUExperimentTextReaderMultiFile::SetFileSelected(const wxString& path, bool selected) {
  const auto found = fileSelection.find(path);
  if (found == fileSelection.end()) {
    wxLogDebug(wxS("%s"),
               wxString::Format(_("\n\n%s\n\n...cannot be found in our list of files.  \n\nThis can be **GOOD** or "
                                  "**BAD** depending on the file.  If that file failed to open due to invalidity as "
                                  "a datafile, then this message is GOOD NEWS.  Otherwise, this is NOT good.\n\n"),
                                path));
    return false;
  }
  found->second = selected;
  // A deselected file's rows are filtered out, and its columns count as absent unless another file has them.
  const wxString fullPathKey(MarkerKey_FullPath);
  for (std::size_t index = 0; index < rows.Size(); ++index) {
    RowRecord* record = rows.Find(index);
    if (record == nullptr || record->CellText(fullPathKey) != path) continue;
    if (selected) {
      record->flags &= ~static_cast<std::uint32_t>(MURowFlag_Filtered8);
    } else {
      record->flags |= MURowFlag_Filtered8;
    }
  }
  for (auto& column : columns) {
    bool hasFile = false;
    for (auto& source : column->sourceFiles) {
      if (*source.first != path) continue;
      source.second = selected ? 0 : 1;
      hasFile = true;
    }
    if (hasFile) UpdateAbsentFilesFlag(*column);
  }
  MarkRefreshNeeded();
  return true;
}

void MUExperimentTextReaderMultiFile::RemoveFileData(const wxString& path) {
  const wxString fullPathKey(MarkerKey_FullPath);
  for (std::size_t index = 0; index < rows.Size(); ++index) {
    const RowRecord* record = rows.Find(index);
    if (record != nullptr && record->CellText(fullPathKey) == path) rows.Remove(index);
  }
  for (auto column = columns.begin(); column != columns.end();) {
    auto& sources = (*column)->sourceFiles;
    const bool hadFile = std::any_of(sources.begin(), sources.end(), [&](const auto& s) { return *s.first == path; });
    sources.erase(std::remove_if(sources.begin(), sources.end(), [&](const auto& s) { return *s.first == path; }),
                  sources.end());
    if (hadFile && sources.empty()) {
      column = columns.erase(column);
    } else {
      if (hadFile) UpdateAbsentFilesFlag(**column);
      ++column;
    }
  }
}

int MUExperimentTextReaderMultiFile::AddMultipleFiles(const std::vector<wxFileName>& fileNames) {
  const int count = static_cast<int>(fileNames.size());
  wxLogVerbose(_("Adding %d file(s)..."), count);
  int loaded = 0;
  for (const auto& fileName : fileNames) {
    if (LoadFile(fileName, true, nullptr)) ++loaded;
  }
  MarkRefreshNeeded();
  Refresh();
  wxLogVerbose(_("Done adding %d file(s)."), count);
  return loaded;
}

void MUExperimentTextReaderMultiFile::RemoveMultipleFiles(const std::vector<wxString>& paths) {
  if (paths.empty()) return;
  const int count = static_cast<int>(paths.size());
  ShowStatus(wxString::Format(_("Removing %d file(s)..."), count));
  for (const auto& path : paths) {
    fileSelection.erase(path);
    RemoveFileData(path);
  }
  ShowStatus(wxString::Format(_("Done removing %d file(s)."), count));
  MarkRefreshNeeded();
  Refresh();
}

void MUExperimentTextReaderMultiFile::SimultaneousFileRequestsSuppressAndUnsuppress(MUCommandEvent& event) {
  const bool select = event.GetInt() != 0;
  bool changed = false;
  wxStringTokenizer paths(event.GetString(), wxS("\n"), wxTOKEN_STRTOK);
  while (paths.HasMoreTokens()) {
    if (SetFileSelected(paths.GetNextToken(), select)) changed = true;
  }
  if (changed) Refresh();
}

void MUExperimentTextReaderMultiFile::Refresh() {
  ReSort();
  previousShownColumnNames.swap(shownColumnNames);
  // The same names the column query gives, taken without entering them in its cache: a file with very many
  // columns would otherwise hold one more copy of all their names.
  shownColumnNames.clear();
  for (const auto& column : columns) {
    if ((column->flags & ColumnFlag_AnyHidingBit) == 0) shownColumnNames.push_back(column->name);
  }
  shownColumnContent.assign(shownColumnNames.size(), ColumnContent::Undecided);
  shownRowCount = static_cast<int>(shownRows.size());
  shownColumnCount = static_cast<int>(shownColumnNames.size());
  const int firstChangedRow = FirstDifference(previousShownRows, shownRows);
  const int firstChangedColumn = FirstDifference(previousShownColumnNames, shownColumnNames);
  previousShownRows = shownRows;
  refreshNeeded = false;
  NotifyViews(firstChangedRow, firstChangedColumn);
  if (lastSortMilliseconds) QueueToSelf(MUEVT_TABULON_DATA_CHANGED);
}

void MUExperimentTextReaderMultiFile::OnTableChanged(int, int, int, int firstChangedRow, int firstChangedColumn) {
  NotifyViews(firstChangedRow, firstChangedColumn);
}

void MUExperimentTextReaderMultiFile::NotifyViews(int firstChangedRow, int firstChangedColumn) {
  // A view may unregister itself while being told.
  const std::vector<MUInterfaceFileObserver*> toTell = views;
  for (MUInterfaceFileObserver* view : toTell) {
    view->OnTableChanged(shownRowCount, shownColumnCount, GetAllRowCount(), firstChangedRow, firstChangedColumn);
    MUCommandEvent changed(MUEVT_TABULON_DATA_CHANGED);
    view->SimultaneousFileRequestsSuppressAndUnsuppress(changed);
  }
}

void MUExperimentTextReaderMultiFile::QueueToSelf(wxEventType type) {
  // Without an application object there is no event loop to deliver it (the plug-in has none).
  if (wxAppConsole::GetInstance() == nullptr) return;
  QueueEvent(new MUCommandEvent(type));
}

void MUExperimentTextReaderMultiFile::OnDataChanged(MUCommandEvent&) {
  if (!lastSortMilliseconds) return;
  wxString text = _("Finished sorting by") + wxS(" \"") + sortColumn + wxS("\"");
  if (*lastSortMilliseconds != 0) text += wxString::Format(_(" %u milliseconds."), unsigned(*lastSortMilliseconds));
  lastSortMilliseconds.reset();
  ShowStatus(text);
}

void MUExperimentTextReaderMultiFile::ShowStatus(const wxString& text) {
  statusText = text;
  wxLogVerbose(wxS("%s"), text);
}
