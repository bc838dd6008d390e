#include "toolmain.h"
#include "utf8arguments.h"

// The wide entry point, which gets the command line whole.
int wmain(int argc, wchar_t** argv) {
  dhtools::Utf8Arguments arguments(argc, argv);
  return ToolMain(arguments.Count(), arguments.Values());
}
