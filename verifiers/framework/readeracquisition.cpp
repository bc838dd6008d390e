#include "verifiers/framework/readeracquisition.h"
#include "plugin/verifierregistry.h"
#include "reporting/fakejunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include <wx/filename.h>

namespace Varnel {

std::shared_ptr<MUExperimentTextReaderMultiFile> CommonTestHelperLogic_GetReaderOrElseLogAnError(
    FakeJUnitPrinter* printer, const wxString& dataFilePath, bool expectEmptyDatafile) {
  auto reader = std::make_shared<MUExperimentTextReaderMultiFile>();
  if (reader->AddSelectedFile(wxFileName(dataFilePath, wxPATH_NATIVE), false)) return reader;

  if (!expectEmptyDatafile) {
    printer->ReportFailure("open_and_parse_" + DataFileNamePart(dataFilePath),
                           "this datafile was not open-able/parse-able",
                           MakeTestLocation("CommonTestHelperLogic_GetReaderOrElseLogAnError", 49),
                           "unable to construct a MUExperimentTextReaderMultiFile for this datafile");
  }
  return nullptr;
}

}  // namespace Varnel
