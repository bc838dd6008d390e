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

MUExperimentTextReaderMultiFile::MUExperimentTextReaderMultiFile(ParseReportSink* sink) : reportSink_(sink) {
  Bind(tabulon::EVT_DATA_CHANGED, &MUExperimentTextReaderMultiFile::OnDataChanged, this);
  Initialise();
}

MUExperimentTextReaderMultiFile::~MUExperimentTextReaderMultiFile() = default;

bool MUExperimentTextReaderMultiFile::Initialise() {
  fileSelection_.clear();
  newlyLoadedPaths_.clear();
  rows_.Clear();
  firstRowKey_ = nextRowKey_;
  allRows_.clear();
  unfilteredRows_.clear();
  shownRows_.clear();
  previousShownRows_.clear();
  columns_.clear();
  shownColumnNames_.clear();
  previousShownColumnNames_.clear();
  shownColumnContent_.clear();
  shownRowCount_ = 0;
  shownColumnCount_ = 0;
  sortColumn_.clear();
  sortDirection_ = 0;
  lastSortMilliseconds_.reset();
  cachingBroker_ = std::make_unique<MUQueryCachingBroker>();
  ClearQueryCaches();
  insertColumnsNextTo_ = true;
  refreshNeeded_ = false;
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
  const auto earlierSelection = fileSelection_.find(path);
  const std::optional<bool> wasSelected =
      earlierSelection == fileSelection_.end() ? std::nullopt : std::optional<bool>(earlierSelection->second);
  const auto restoreSelection = [&] {
    if (wasSelected) {
      fileSelection_[path] = *wasSelected;
    } else {
      fileSelection_.erase(path);
    }
  };
  if (select) fileSelection_[path] = true;

  const unsigned firstKey = nextRowKey_;
  try {
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser = CreateParser(path, reportSink_, openFile);
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
  newlyLoadedPaths_.assign(1, path);
  ApplyColumnVisibility(newlyLoadedPaths_);
  return true;
}

void MUExperimentTextReaderMultiFile::ForgetRowsFrom(unsigned firstKey) {
  for (std::size_t index = firstKey - firstRowKey_; index < rows_.Size(); ++index) rows_.Remove(index);
}

void MUExperimentTextReaderMultiFile::ImportRows(MUInterfaceExperimentDataFileInputReader& parser) {
  const unsigned rowCount = parser.GetDataRowCount();
  parser.SetNextRowIndex(0);
  for (unsigned i = 0; i < rowCount; ++i) {
    std::unique_ptr<RowRecord> record = parser.ReadNextRow(true);
    if (!record) break;
    rows_.Append(std::move(*record));
    ++nextRowKey_;
  }
}

void MUExperimentTextReaderMultiFile::MergeColumns(MUInterfaceExperimentDataFileInputReader& parser,
                                                   const wxString& path) {
  MergeColumnsInto(columns_, parser.ReleaseColumnProperties(), path, insertColumnsNextTo_);
}

void MUExperimentTextReaderMultiFile::ApplyColumnVisibility(const std::vector<wxString>& paths) {
  tabulon::ApplyColumnVisibility(columns_, paths);
}

void MUExperimentTextReaderMultiFile::MarkRefreshNeeded() { refreshNeeded_ = true; }

void MUExperimentTextReaderMultiFile::AddView(MUInterfaceFileObserver* view) {
  // A reader relays its own notifications to its views, so it must not be one of them.
  if (view == nullptr || view == this) return;
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void MUExperimentTextReaderMultiFile::RemoveView(MUInterfaceFileObserver* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

bool MUExperimentTextReaderMultiFile::IsFileSelected(const wxString& path) const {
  const auto found = fileSelection_.find(path);
  return found != fileSelection_.end() && found->second;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetSelectedFiles() const {
  std::vector<wxString> selected;
  for (const auto& [path, isSelected] : fileSelection_) {
    if (isSelected) selected.push_back(path);
  }
  return selected;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetAllFiles() const {
  std::vector<wxString> paths;
  for (const auto& entry : fileSelection_) paths.push_back(entry.first);
  return paths;
}

bool MUExperimentTextReaderMultiFile::SetFileSelected(const wxString& path, bool selected) {
  const auto found = fileSelection_.find(path);
  if (found == fileSelection_.end()) {
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
  for (std::size_t index = 0; index < rows_.Size(); ++index) {
    RowRecord* record = rows_.Find(index);
    if (record == nullptr || record->CellText(fullPathKey) != path) continue;
    if (selected) {
      record->flags &= ~static_cast<std::uint32_t>(tabulon::RowFlag::Filtered8);
    } else {
      record->flags |= tabulon::RowFlag::Filtered8;
    }
  }
  for (auto& column : columns_) {
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
  for (std::size_t index = 0; index < rows_.Size(); ++index) {
    const RowRecord* record = rows_.Find(index);
    if (record != nullptr && record->CellText(fullPathKey) == path) rows_.Remove(index);
  }
  for (auto column = columns_.begin(); column != columns_.end();) {
    auto& sources = (*column)->sourceFiles;
    const bool hadFile = std::any_of(sources.begin(), sources.end(), [&](const auto& s) { return *s.first == path; });
    sources.erase(std::remove_if(sources.begin(), sources.end(), [&](const auto& s) { return *s.first == path; }),
                  sources.end());
    if (hadFile && sources.empty()) {
      column = columns_.erase(column);
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
    fileSelection_.erase(path);
    RemoveFileData(path);
  }
  ShowStatus(wxString::Format(_("Done removing %d file(s)."), count));
  MarkRefreshNeeded();
  Refresh();
}

void MUExperimentTextReaderMultiFile::SimultaneousFileRequestsSuppressAndUnsuppress(tabulon::CommandEvent& event) {
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
  previousShownColumnNames_.swap(shownColumnNames_);
  // The same names the column query gives, taken without entering them in its cache: a file with very many
  // columns would otherwise hold one more copy of all their names.
  shownColumnNames_.clear();
  for (const auto& column : columns_) {
    if ((column->flags & tabulon::ColumnFlag::AnyHidingBit) == 0) shownColumnNames_.push_back(column->name);
  }
  shownColumnContent_.assign(shownColumnNames_.size(), ColumnContent::Undecided);
  shownRowCount_ = static_cast<int>(shownRows_.size());
  shownColumnCount_ = static_cast<int>(shownColumnNames_.size());
  const int firstChangedRow = FirstDifference(previousShownRows_, shownRows_);
  const int firstChangedColumn = FirstDifference(previousShownColumnNames_, shownColumnNames_);
  previousShownRows_ = shownRows_;
  refreshNeeded_ = false;
  NotifyViews(firstChangedRow, firstChangedColumn);
  if (lastSortMilliseconds_) QueueToSelf(tabulon::EVT_DATA_CHANGED);
}

void MUExperimentTextReaderMultiFile::OnTableChanged(int, int, int, int firstChangedRow, int firstChangedColumn) {
  NotifyViews(firstChangedRow, firstChangedColumn);
}

void MUExperimentTextReaderMultiFile::NotifyViews(int firstChangedRow, int firstChangedColumn) {
  // A view may unregister itself while being told.
  const std::vector<MUInterfaceFileObserver*> toTell = views_;
  for (MUInterfaceFileObserver* view : toTell) {
    view->OnTableChanged(shownRowCount_, shownColumnCount_, GetAllRowCount(), firstChangedRow, firstChangedColumn);
    tabulon::CommandEvent changed(tabulon::EVT_DATA_CHANGED);
    view->SimultaneousFileRequestsSuppressAndUnsuppress(changed);
  }
}

void MUExperimentTextReaderMultiFile::QueueToSelf(wxEventType type) {
  // Without an application object there is no event loop to deliver it (the plug-in has none).
  if (wxAppConsole::GetInstance() == nullptr) return;
  QueueEvent(new tabulon::CommandEvent(type));
}

void MUExperimentTextReaderMultiFile::OnDataChanged(tabulon::CommandEvent&) {
  if (!lastSortMilliseconds_) return;
  wxString text = _("Finished sorting by") + wxS(" \"") + sortColumn_ + wxS("\"");
  if (*lastSortMilliseconds_ != 0) text += wxString::Format(_(" %u milliseconds."), unsigned(*lastSortMilliseconds_));
  lastSortMilliseconds_.reset();
  ShowStatus(text);
}

void MUExperimentTextReaderMultiFile::ShowStatus(const wxString& text) {
  statusText_ = text;
  wxLogVerbose(wxS("%s"), text);
}
