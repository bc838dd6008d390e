#pragma once
#include "tabulon/datafileparsercore.h"
#include <vector>
#include <wx/string.h>

class wxFile;

// Parses a data file from a file object the caller has opened: the whole file is read into memory and split
// into lines here. The file object is only borrowed while the constructor runs, and is left at the position
// it had.
class MUConcreteInMemoryDataFile : public tabulon::DataFileParserCore {
 public:
  MUConcreteInMemoryDataFile(wxFile& file, const wxString& fileName, bool withHeader,
                             tabulon::ParseReportSink* sink = nullptr);

 protected:
  std::size_t LineCount() const override { return lines_.LineCount(); }
  tabulon::LineView Line(std::size_t index) const override { return lines_.Line(index); }
  wxString LayoutFailureMessage(LayoutFailure failure) const override;

 private:
  tabulon::DecodedLines lines_;
};
