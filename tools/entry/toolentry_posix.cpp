#include "toolmain.h"

// The command line comes as the bytes of the file names, which the tools take for UTF-8.
int main(int argc, char** argv) { return ToolMain(argc, argv); }
