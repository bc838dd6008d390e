#pragma once
#include "tabulon/mudatafileparsercore.h"
#include <vector>
#include <wx/string.h>

class wxFile;

// Parses a data file from a file object the caller has opened: the whole file is read into memory and split
// into lines here. The file object is only borrowed while the constructor runs, and is left at the position
// it had.
class MUConcreteInMemoryDataFile : public MUDataFileParserCore {
 public:
  MUConcreteInMemoryDataFile(wxFile& file, const wxString& fileName, bool hasHeader,
                             tabulon::ParseReportSink* sink = nullptr);

 protected:
  std::size_t LineCount() const override { return lines.LineCount(); }
  MULineView Line(std::size_t index) const override { return lines.Line(index); }
  wxString LayoutFailureMessage(LayoutFailure failure) const override;

 private:
  MUDecodedLines lines;
};
