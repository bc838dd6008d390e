#include "hostlocale.h"
#include <clocale>
#include <cstdlib>

namespace testsupport {

namespace {
bool AdoptedAfterLoad() { return std::getenv("DH_TEST_LOCALE_AFTER_LOAD") != nullptr; }
}  // namespace

void AdoptLocaleAsAHostDoes() {
  if (!AdoptedAfterLoad()) std::setlocale(LC_ALL, "");
}

void BeforePluginLoad() {
  if (AdoptedAfterLoad()) std::setlocale(LC_ALL, "C");
}

void AfterPluginLoad() {
  if (AdoptedAfterLoad()) std::setlocale(LC_ALL, "");
}

}  // namespace testsupport
