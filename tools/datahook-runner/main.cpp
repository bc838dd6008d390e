#include "runner.h"

#ifdef _WIN32
#include "utf8arguments.h"

int wmain(int argc, wchar_t** argv) {
  dhtools::Utf8Arguments arguments(argc, argv);
  return datahookrunner::RunDataHookRunner(arguments.Count(), arguments.Values());
}
#else
int main(int argc, char** argv) { return datahookrunner::RunDataHookRunner(argc, argv); }
#endif
