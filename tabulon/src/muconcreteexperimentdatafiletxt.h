#pragma once
#include "tabulon/src/mudatafileparsercore.h"
#include <string>
#include <wx/filename.h>
#include <wx/string.h>

// Parses one data file from disk. The constructor opens and parses; HasFailed() tells the outcome.
class MUConcreteExperimentDataFileTxt : public MUDataFileParserCore {
 public:
  // Files above this size are refused unopened.
  static constexpr unsigned long long kMaximumFileSize = 0x100000;

  MUConcreteExperimentDataFileTxt(const wxString& fileName, bool hasHeader, tabulon::ParseReportSink* sink = nullptr);

 protected:
  std::size_t LineCount() const override;
  MULineView Line(std::size_t index) const override { return lines.Line(index); }
  wxString LayoutFailureMessage(LayoutFailure failure) const override;

 private:
  bool Open(const wxString& fileName);
  // The whole file; false when it cannot be opened or read, after the toolkit has logged why.
  static bool ReadBytes(const wxString& fileName, std::string& bytes);

  wxFileName sourceFile;
  MUDecodedLines lines;
};
