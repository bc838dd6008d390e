#include "tabulon/opendatafile.h"
#include "tabulon/muexperimenttextreadermultifile.h"

namespace tabulon {

std::shared_ptr<MUInterfaceMultiExperimentDataSource> OpenDataFile(const wxFileName& fileName, wxFile* openFile) {
  auto reader = std::make_shared<MUExperimentTextReaderMultiFile>();
  if (!reader->AddSelectedFile(fileName, false, openFile)) return nullptr;
  return reader;
}

}  // namespace tabulon
