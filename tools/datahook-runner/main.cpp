#include "runner.h"
#include "toolmain.h"

int ToolMain(int argc, char** argv) { return datahookrunner::RunDataHookRunner(argc, argv); }
