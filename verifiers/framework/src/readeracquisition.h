#pragma once
#include <memory>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

class FakeJUnitPrinter;

// A reader over the data file, or null when the file cannot be read; then the "open_and_parse_" failure is
// reported unless the verifier expects an unreadable file.
std::shared_ptr<MUInterfaceMultiExperimentDataSource> CommonTestHelperLogic_GetReaderOrElseLogAnError(
    FakeJUnitPrinter* printer, const wxString& dataFilePath, bool expectEmptyDatafile);

}  // namespace Varnel
