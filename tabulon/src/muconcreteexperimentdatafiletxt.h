#pragma once
#include "tabulon/datafileparsercore.h"
#include <vector>
#include <wx/filename.h>
#include <wx/string.h>

// Parses one data file from disk. The constructor opens and parses; HasFailed() tells the outcome.
class MUConcreteExperimentDataFileTxt : public tabulon::DataFileParserCore {
 public:
  // Files above this size are refused unread.
  static constexpr unsigned long long kMaximumFileSize = 0x100000;

  MUConcreteExperimentDataFileTxt(const wxString& fileName, bool withHeader, tabulon::ParseReportSink* sink = nullptr);
  ~MUConcreteExperimentDataFileTxt() override;

 protected:
  std::size_t LineCount() const override;
  tabulon::LineView Line(std::size_t index) const override { return lines_.Line(index); }
  wxString LayoutFailureMessage(LayoutFailure failure) const override;

 private:
  bool Open(const wxString& fileName);
  // Reports the failures to open or decode the file, as the toolkit would have worded them.
  void FailToOpen(const std::vector<wxString>& messages);

  wxFileName sourceFile_;
  tabulon::DecodedLines lines_;
};
