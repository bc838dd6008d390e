#include "hostcalls.h"
#include "text/onelinetext.h"
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
hostkit::Status CallIntoPlugin(const Call& call) {
  try {
    call();
    return {};
  } catch (const std::exception& exception) {
    return hostkit::Failure(std::string("the plug-in threw an exception: ") + exception.what());
  } catch (...) {
    return hostkit::Failure("the plug-in threw an exception");
  }
}

}  // namespace

hostkit::Status PerformHostCalls(Varnel::Interface_DataHookPlugin& plugin, const HostSession& session) {
  for (std::size_t index = 0; index < session.dataFiles.size(); ++index) {
    ShowProgress(session, index);
    const wxString path = wxString::FromUTF8(session.dataFiles[index]);
    const Varnel::StimAreaList* areas = session.stimAreas[index].get();
    hostkit::Status called = CallIntoPlugin([&] { plugin.PerformPostProcessing(path, areas); });
    if (!called.Ok()) return called;
  }
  for (const wxString& assertion : session.hostAssertions) {
    hostkit::Status called = CallIntoPlugin([&] { plugin.OnHostAssertionFailure(assertion); });
    if (!called.Ok()) return called;
  }
  return CallIntoPlugin([&] { plugin.ReleaseTestPrinter(); });
}

}  // namespace datahookrunner
