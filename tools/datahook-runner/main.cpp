#include "tools/datahook-runner/runner.h"

int main(int argc, char** argv) { return datahookrunner::RunDataHookRunner(argc, argv); }
