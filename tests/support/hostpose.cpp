#include "hostpose.h"
#include "framework/hostnames.h"

namespace testsupport {

std::string HostNameOf(Machine machine) {
  switch (machine) {
    case Machine::HostA:
      return "lab-" + Varnel::kDefaultHostNameA.Upper().ToStdString() + "-2";
    case Machine::HostB:
      return Varnel::kDefaultHostNameB.ToStdString() + ".site";
    case Machine::BuildFarm:
      return "ci-" + Varnel::kDefaultBuildFarmHost.Upper().ToStdString() + "-07";
    case Machine::Plain:
      break;
  }
  return "plain-workstation";
}

}  // namespace testsupport
