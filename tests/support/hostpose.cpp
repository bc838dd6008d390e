#include "hostpose.h"
#include "site/hostnames.h"
#include "tabulon/asciicase.h"

namespace testsupport {

std::string HostNameOf(Machine machine) {
  switch (machine) {
    case Machine::HostA:
      return "lab-" + tabulon::AsciiUpper(Varnel::kDefaultHostNameA).utf8_string() + "-2";
    case Machine::HostB:
      return Varnel::kDefaultHostNameB.ToStdString() + ".site";
    case Machine::BuildFarm:
      return "ci-" + tabulon::AsciiUpper(Varnel::kDefaultBuildFarmHost).utf8_string() + "-07";
    case Machine::Plain:
      break;
  }
  return "plain-workstation";
}

}  // namespace testsupport
