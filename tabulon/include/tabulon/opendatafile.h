#pragma once
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <memory>

class wxFile;
class wxFileName;

namespace tabulon {

// A reader over one data file, selected and ready for the table operations; null when the file does not parse.
// With an open file the bytes come through the in-memory parser, else the path goes through the text parser.
std::shared_ptr<MUInterfaceMultiExperimentDataSource> OpenDataFile(const wxFileName& fileName,
                                                                   wxFile* openFile = nullptr);

}  // namespace tabulon
