#include "hostcalls.h"
#include "reporting/onelinetext.h"
#include <exception>
#include <iostream>

namespace datahookrunner {

namespace {

void ShowProgress(const HostSession& session, std::size_t index) {
  if (!session.showProgress) return;
  std::cerr << "[" << index + 1 << "/" << session.dataFiles.size() << "] "
            << Varnel::OneLineText(session.dataFiles[index]) << std::endl;
}

// One call into the plug-in: what escapes it is the plug-in's, while the runner's own work before and after
// (decoding a path, telling progress) stays outside, so that its failures are never blamed on the plug-in.
template <typename Call>
bool CallIntoPlugin(const Call& call, std::string& error) {
  try {
    call();
    return true;
  } catch (const std::exception& exception) {
    error = std::string("the plug-in threw an exception: ") + exception.what();
  } catch (...) {
    error = "the plug-in threw an exception";
  }
  return false;
}

}  // namespace

bool PerformHostCalls(Varnel::Interface_DataHookPlugin& plugin, const HostSession& session, std::string& error) {
  for (std::size_t index = 0; index < session.dataFiles.size(); ++index) {
    ShowProgress(session, index);
    const wxString path = wxString::FromUTF8(session.dataFiles[index]);
    const Varnel::StimAreaList* areas = session.stimAreas[index].get();
    if (!CallIntoPlugin([&] { plugin.PerformPostProcessing(path, areas); }, error)) return false;
  }
  for (const wxString& assertion : session.hostAssertions) {
    if (!CallIntoPlugin([&] { plugin.OnHostAssertionFailure(assertion); }, error)) return false;
  }
  return CallIntoPlugin([&] { plugin.ReleaseTestPrinter(); }, error);
}

}  // namespace datahookrunner
