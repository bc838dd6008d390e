#pragma once
#include "sdk/stimareadata.h"
#include <wx/string.h>

namespace Varnel {

class FakeJUnitPrinter;

// What the dispatcher calls for a data file of the verifier's experiment.
class Interface_SpecificIndividualTestVerifier {
 public:
  virtual ~Interface_SpecificIndividualTestVerifier() = default;
  virtual void VerifyDatafile(const wxString& dataFilePath, const StimAreaList* stimAreas,
                              FakeJUnitPrinter* printer) = 0;
};

}  // namespace Varnel
