#pragma once
#include "tabulon/columnmerge.h"
#include "tabulon/muinterfacefileobserver.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/querycache.h"
#include "tabulon/muquerycachingbroker.h"
#include "tabulon/readerevents.h"
#include "tabulon/rowsorting.h"
#include "tabulon/rowsequence.h"
#include "tabulon/rowstore.h"
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>
#include <wx/event.h>
#include <wx/filename.h>
#include <wx/string.h>

class MUInterfaceExperimentDataFileInputReader;
namespace tabulon {
class ParseReportSink;
}  // namespace tabulon
namespace tabulon {
class RowRecord;
}  // namespace tabulon
class wxFile;

// One or more data files presented as one table: the merged columns of all files, all their rows with a flag
// word each, and the rows and columns currently shown. Holds everything it reads; answers repeated queries from
// caches that every refresh empties.
class MUExperimentTextReaderMultiFile : public wxEvtHandler,
                                        public MUInterfaceFileObserver,
                                        public MUInterfaceMultiExperimentDataSource {
 public:
  // The sink, when given, receives every parser's reports; it is not owned and must outlive the reader.
  explicit MUExperimentTextReaderMultiFile(tabulon::ParseReportSink* sink = nullptr);
  ~MUExperimentTextReaderMultiFile() override;

  // Loading and table maintenance.
  virtual bool AddFile(const wxFileName& fileName, bool refresh);
  // Reads through the in-memory parser when an open file is given, else through the text parser.
  virtual bool AddSelectedFile(const wxFileName& fileName, bool refresh, wxFile* openFile = nullptr);
  virtual void MarkRefreshNeeded();
  virtual bool Initialise();
  virtual void MergeColumns(MUInterfaceExperimentDataFileInputReader& parser, const wxString& path);
  virtual void ImportRows(MUInterfaceExperimentDataFileInputReader& parser);
  virtual void ClearQueryCaches();
  virtual void RenumberRows();
  virtual void ResetKeysUsingSortSettings();
  virtual void ReSort();

  // The file set and the views.
  virtual void AddView(MUInterfaceFileObserver* view);
  virtual void RemoveView(MUInterfaceFileObserver* view);
  // False (with a diagnostic) when the path is not one of the reader's files.
  virtual bool SetFileSelected(const wxString& path, bool selected);
  virtual bool IsFileSelected(const wxString& path) const;
  virtual std::vector<wxString> GetAllFiles() const;
  virtual void RemoveFileData(const wxString& path);
  virtual void ApplyColumnVisibility(const std::vector<wxString>& newlyLoadedPaths);
  // Returns the number of files loaded.
  virtual int AddMultipleFiles(const std::vector<wxFileName>& fileNames);
  virtual void RemoveMultipleFiles(const std::vector<wxString>& paths);

  void Refresh() override;
  virtual bool ColumnHasFlags(const wxString& name, std::uint32_t mask) const;

  // MUInterfaceFileObserver: a reader can relay another table's changes to its own views.
  void OnTableChanged(int shownRowCount, int shownColumnCount, int allRowCount, int firstChangedRow,
                      int firstChangedColumn) override;
  void SimultaneousFileRequestsSuppressAndUnsuppress(tabulon::CommandEvent& event) override;

  // MUInterfaceMultiExperimentDataSource.
  std::vector<wxString> GetSelectedFiles() const override;
  void HideRow(int shownRowIndex) override;
  void ShowAllRows() override;
  void HideColumn(const wxString& name) override;
  void ShowColumn(const wxString& name) override;
  void HideEmptyColumnsBasedOnCurrentlyShownRows() override;
  void SetRowMarked(int shownRowIndex, bool on) override;
  void ToggleRowMarked(int shownRowIndex) override;
  bool IsRowMarked(int shownRowIndex) const override;
  bool IsTrialVariableColumn(const wxString& name) const override;
  bool IsFirstSegmentAbsentColumn(const wxString& name) const override;
  void SetSortSettings(const wxString& columnName, int direction) override;
  void GetSortSettings(wxString& columnName, int& direction) const override;
  void ClearSortSettings() override;
  std::vector<wxString> SelectDistinctPerColumn(const wxString& columnName, int scope, bool trim) override;
  std::vector<int> GetRowIndicesWherePredicateReturnsTrue(const tabulon::RowPredicate& predicate,
                                                          bool includeHidden) override;
  std::vector<int> GetRowIndicesWherePredicateReturnsTrue(const tabulon::RowPredicate& predicate, bool includeHidden,
                                                          int first, int last) override;
  std::vector<wxString> GetColumnNamesWhereBitStringMatches(std::uint32_t bits) override;
  std::vector<wxString> GetColumnNamesWhereBitStringAbsent(std::uint32_t bits) override;
  std::vector<wxString> GetColumnNamesWhereBitStringHasXAbsentY(std::uint32_t x, std::uint32_t y) override;
  std::vector<int> GetRowIndicesWhereBitStringMatches(std::uint32_t bits, int scope) override;
  std::vector<int> GetRowIndicesWhereBitStringAbsent(std::uint32_t bits, int scope) override;
  std::vector<int> GetRowIndicesWhereBitStringHasXAbsentY(std::uint32_t x, std::uint32_t y, int scope) override;
  int GetColumnIndex(const wxString& name) const override;
  int GetRowCount() const override;
  int GetColumnCount() const override;
  wxString GetCellText(int row, int column) const override;
  wxString GetColumnName(int index) const override;
  const tabulon::RowRecord* GetRowRecord(int index, int scope) const override;
  const std::vector<wxString>& GetColumnNames() const override;

  // Read-only views of the reader's state, for tools and diagnostics.
  // The first column of exactly that name, shown or not; null when none has it.
  const tabulon::ColumnProperty* FindColumnProperty(const wxString& name) const;
  bool IsRefreshNeeded() const { return refreshNeeded_; }
  // The last status text shown (after a sort, or by the file operations); empty before any.
  const wxString& GetStatusText() const { return statusText_; }
  int GetAllRowCount() const { return static_cast<int>(allRows_.size()); }
  // How many query answers came from the caches rather than from the rows and columns, since construction.
  std::size_t QueryCacheHits() const;
  // The predicate query over the rows of any scope; scope 3 answers are never cached.
  std::vector<int> GetRowIndicesWherePredicateReturnsTrueInScope(const tabulon::RowPredicate& predicate, int scope,
                                                                 int first, int last);

 private:
  enum class ColumnContent { Undecided, HasContent, Empty };
  using RowSequence = tabulon::RowSequence;

  bool LoadFile(const wxFileName& fileName, bool select, wxFile* openFile);
  void ForgetRowsFrom(unsigned firstKey);
  std::vector<tabulon::RowSortEntry> RowsInKeyOrder() const;
  void ClearRowSequences();
  void AppendToRowSequences(unsigned key, tabulon::RowRecord& record);
  void RebuildRowSequences(const std::vector<tabulon::RowSortEntry>& order);
  bool SortColumnInSelectedFile() const;
  void OnDataChanged(tabulon::CommandEvent& event);
  void NotifyViews(int firstChangedRow, int firstChangedColumn);
  void QueueToSelf(wxEventType type);
  void ShowStatus(const wxString& text);

  const RowSequence& SequenceOfScope(int scope) const;
  tabulon::RowRecord* RecordAt(const RowSequence& sequence, int index) const;
  tabulon::RowRecord* RecordOfKey(unsigned key) const;
  tabulon::RowRecord* ShownRecord(int shownRowIndex) const;
  template <typename Matches>
  std::vector<int> CachedRowIndices(const tabulon::QueryKey& key, std::uint32_t involvedBits, int scope,
                                    Matches matches);
  template <typename Matches>
  std::vector<wxString> CachedColumnNames(const tabulon::QueryKey& key, Matches matches);
  std::vector<int> ComputePredicateRows(const tabulon::RowPredicate& predicate, const RowSequence& sequence, int first,
                                        int last) const;
  std::vector<wxString> ComputeDistinctValues(const wxString& columnName, int scope, bool trim) const;
  void ForgetMarkDependentResults();

  tabulon::ParseReportSink* reportSink_;

  std::map<wxString, bool> fileSelection_;
  std::vector<wxString> newlyLoadedPaths_;

  // The rows in key order, one entry per key from firstRowKey on: a removed row leaves an empty place, so that a
  // key is found by its offset. Keys are never reused, not even after Initialise.
  tabulon::RowStore rows_;
  unsigned firstRowKey_ = 0;
  unsigned nextRowKey_ = 0;
  RowSequence allRows_;
  RowSequence unfilteredRows_;
  RowSequence shownRows_;
  RowSequence previousShownRows_;

  tabulon::ColumnList columns_;
  std::vector<wxString> shownColumnNames_;
  std::vector<wxString> previousShownColumnNames_;
  std::vector<ColumnContent> shownColumnContent_;
  int shownRowCount_ = 0;
  int shownColumnCount_ = 0;

  wxString sortColumn_;
  int sortDirection_ = 0;
  std::optional<unsigned long> lastSortMilliseconds_;
  wxString statusText_;

  std::vector<MUInterfaceFileObserver*> views_;

  tabulon::QueryCache<std::vector<int>> rowIndexCache_;
  tabulon::QueryCache<std::vector<int>> predicateCache_;
  tabulon::QueryCache<std::vector<wxString>> columnNameCache_;
  tabulon::QueryCache<std::vector<wxString>> distinctValueCache_;
  std::unique_ptr<MUQueryCachingBroker> cachingBroker_;
  std::vector<tabulon::QueryKey> markDependentKeys_;

  bool insertColumnsNextTo_ = false;
  bool refreshNeeded_ = false;
};
