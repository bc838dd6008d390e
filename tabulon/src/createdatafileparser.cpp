#include "muconcreteexperimentdatafiletxt.h"
#include "tabulon/muconcreteinmemorydatafile.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include <new>
#include <wx/file.h>

namespace tabulon {

std::unique_ptr<MUInterfaceExperimentDataFileInputReader> CreateDataFileParser(const wxString& fileName,
                                                                               DataFileParserKind kind,
                                                                               ParseReportSink* sink,
                                                                               wxFile* openFile) {
  try {
    switch (kind) {
      case DataFileParser_TextWithHeader:
      case DataFileParser_TextWithHeaderToo:
        return std::make_unique<MUConcreteExperimentDataFileTxt>(fileName, true, sink);
      case DataFileParser_TextWithoutHeader:
        return std::make_unique<MUConcreteExperimentDataFileTxt>(fileName, false, sink);
      case DataFileParser_InMemoryWithHeader:
        if (openFile) return std::make_unique<MUConcreteInMemoryDataFile>(*openFile, fileName, true, sink);
        {
          // Without a file object there is nothing to read: the parser fails as for an unreadable file.
          wxFile closed;
          return std::make_unique<MUConcreteInMemoryDataFile>(closed, fileName, true, sink);
        }
    }
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return nullptr;
}

}  // namespace tabulon
