#include "tools/datahook-runner/runner.h"
#include "tools/toolmain.h"

int ToolMain(int argc, char** argv) { return datahookrunner::RunDataHookRunner(argc, argv); }
