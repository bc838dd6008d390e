#pragma once

// What a tool does with its command line, given as UTF-8. Each tool defines it; the system's own entry point
// (toolentry_posix.cpp, toolentry_windows.cpp) calls it. Returns the process exit status.
int ToolMain(int argc, char** argv);
