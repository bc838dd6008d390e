#include "tools/datahook-runner/hostcalls.h"
#include <exception>
#include <iostream>

namespace datahookrunner {

namespace {

void ShowProgress(const HostSession& session, std::size_t index) {
  if (!session.showProgress) return;
  std::cerr << "[" << index + 1 << "/" << session.dataFiles.size() << "] " << session.dataFiles[index] << std::endl;
}

void CallPlugin(Varnel::Interface_DataHookPlugin& plugin, const HostSession& session) {
  for (std::size_t index = 0; index < session.dataFiles.size(); ++index) {
    ShowProgress(session, index);
    plugin.PerformPostProcessing(wxString::FromUTF8(session.dataFiles[index]), session.stimAreas[index].get());
  }
  for (const wxString& assertion : session.hostAssertions) plugin.OnHostAssertionFailure(assertion);
  plugin.ReleaseTestPrinter();
}

}  // namespace

bool PerformHostCalls(Varnel::Interface_DataHookPlugin& plugin, const HostSession& session, std::string& error) {
  try {
    CallPlugin(plugin, session);
    return true;
  } catch (const std::exception& exception) {
    error = std::string("the plug-in threw an exception: ") + exception.what();
  } catch (...) {
    error = "the plug-in threw an exception";
  }
  return false;
}

}  // namespace datahookrunner
