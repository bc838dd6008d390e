// The plug-in object as the host meets it: one object, a printer from load time on, numbered host assertion
// failures, and a report written whenever the printer is released.
#include "datahookoutputtestingplugin.h"
#include "support/files.h"
#include "support/reportpaths.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <string>

extern "C" VarnelSDK::VNSdkBase* VNSdkGetObjectPtr();

namespace {

using Varnel::Interface_DataHookPlugin;

const std::string kReport = testsupport::ReportPath();

Interface_DataHookPlugin& Plugin() { return *static_cast<Interface_DataHookPlugin*>(VNSdkGetObjectPtr()); }

// Each test starts in a fresh directory with the printer that the library created at load time.
class PluginLifecycle : public ::testing::Test {
 protected:
  testsupport::ScratchDir scratch_;
};

TEST_F(PluginLifecycle, HostAssertionsAreNumberedAcrossReleasedPrinters) {
  Plugin().ReleaseTestPrinter();
  for (const char* text : {"a.cpp(1)", "b.cpp(2)", "c.cpp(3)"}) EXPECT_TRUE(Plugin().OnHostAssertionFailure(text));
  Plugin().ReleaseTestPrinter();
  const std::string first = testsupport::ReadFile(kReport);
  EXPECT_NE(first.find("test002TestingPluginDH_AssertionFailure_00001"), std::string::npos);
  EXPECT_NE(first.find("test004TestingPluginDH_AssertionFailure_00003"), std::string::npos);
  EXPECT_NE(first.find("message=\"actual file and line number shown in DETAILED TEXT\""), std::string::npos);
  EXPECT_NE(first.find("<![CDATA[Whichever/File/Focuses/On/Verifying/DataHookOutputTestingPlugin:182\nc.cpp(3)]]>"),
            std::string::npos);

  Plugin().OnHostAssertionFailure("d.cpp(4)");
  Plugin().ReleaseTestPrinter();
  const std::string second = testsupport::ReadFile(kReport);
  EXPECT_NE(second.find("test001SingleDummyPassingTest"), std::string::npos);
  EXPECT_NE(second.find("test002TestingPluginDH_AssertionFailure_00004"), std::string::npos);
  EXPECT_EQ(second.find("_00001"), std::string::npos);
}

// The host reaches what the plug-in inherits through the SDK base's slots: each answers as the SDK does.
TEST_F(PluginLifecycle, InheritedOperationsAnswerAsTheSdkDoes) {
  VarnelSDK::VNSdkBase& base = *VNSdkGetObjectPtr();
  EXPECT_TRUE(base.Init() && base.DeInit() && base.PluginHasBeenConvertedTo_NON_xrc() && !base.NeedsPlugInID(0));
  EXPECT_TRUE(base.OnEndExperiment() == 0 && base.FactoryFunction_GetNewEventPluginConfigPanel(nullptr) == nullptr);
  EXPECT_EQ(base.SdkReservedQuery(), -7654);
}

}  // namespace
