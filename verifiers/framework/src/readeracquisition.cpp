#include "readeracquisition.h"
#include "reporting/fakejunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tabulon/decimaltext.h"
#include "tabulon/opendatafile.h"
#include "framework/checkoutcome.h"
#include "framework/datafilename.h"
#include <wx/filename.h>

namespace Varnel {

namespace {

// The reader's failure is located by a name and line of its own, not by the verifier's.
const char kAcquisitionFileText[] = "CommonTestHelperLogic_GetReaderOrElseLogAnError";
constexpr int kUnreadableLine = 49;

// A size that cannot be told reads as nothing, as the toolkit's own size text has it.
std::string SizeText(const wxFileName& file) {
  const wxULongLong size = file.GetSize();
  return tabulon::ByteSizeText(size == wxInvalidSize ? 0 : size.GetValue());
}

}  // namespace

std::shared_ptr<MUInterfaceMultiExperimentDataSource> CommonTestHelperLogic_GetReaderOrElseLogAnError(
    FakeJUnitPrinter* printer, const wxString& dataFilePath, bool expectEmptyDatafile) {
  auto reader = tabulon::OpenDataFile(wxFileName(dataFilePath, wxPATH_NATIVE));
  if (reader) return reader;

  if (!expectEmptyDatafile) {
    const wxFileName file(dataFilePath);
    ReportFailureTo(printer, "open_and_parse_" + DataFileNamePart(dataFilePath),
                    "this datafile was not open-able/parse-able",
                    MakeTestLocation(kAcquisitionFileText, kUnreadableLine),
                    "unable to construct a MUExperimentTextReaderMultiFile for this datafile")
        << (file.FileExists() ? "the file exists (" + SizeText(file) + ") but does not parse as a data file"
                              : wxString("no such file"));
  }
  return nullptr;
}

}  // namespace Varnel
