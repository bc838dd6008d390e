#pragma once
#include "sdk/interface_datahookplugin.h"
#include "hostkit/result.h"
#include <memory>
#include <string>
#include <vector>

namespace datahookrunner {

// One list of stimulus areas per data file, in the order of the data files.
using StimAreasPerFile = std::vector<std::shared_ptr<const Varnel::StimAreaList>>;

// What the host hands the plug-in during one session, already in the host's types.
struct HostSession {
  // Absolute paths, in the order to process, as UTF-8 known to decode: each becomes the host's wide string only
  // for its own call, which keeps a run over many files at a quarter of the memory per path.
  std::vector<std::string> dataFiles;
  // One list per data file, in the same order; data files without areas of their own share one list.
  StimAreasPerFile stimAreas;
  std::vector<wxString> hostAssertions;
  bool showProgress = false;
};

// Makes the calls the host makes: post-processing per data file, then the assertion failures, then the
// release of the printer, which writes the report. Fails if the plug-in throws; the runner's own failures (out of
// memory) propagate as exceptions.
hostkit::Status PerformHostCalls(Varnel::Interface_DataHookPlugin& plugin, const HostSession& session);

}  // namespace datahookrunner
