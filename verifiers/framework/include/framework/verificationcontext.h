#pragma once
#include "sdk/stimareadata.h"
#include <memory>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

class FakeJUnitPrinter;

// What a verifier's checks get: the reader over the data file (shared, so it outlives the call), the printer
// of this verification, and the host's stimulus areas, passed through untouched.
struct VerificationContext {
  std::shared_ptr<MUInterfaceMultiExperimentDataSource> reader;
  FakeJUnitPrinter* printer = nullptr;
  const StimAreaList* stimAreas = nullptr;
};

}  // namespace Varnel
