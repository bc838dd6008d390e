#pragma once
// The SDK substitute is a shared library of its own, as the host's SDK is: its API must stay visible. The
// toolkit's macros mark it per platform (dllexport while building it on Windows, dllimport when using it).
#include <wx/defs.h>

#ifdef VNPlugInCommon_EXPORTS
#define VNSDK_API WXEXPORT
#else
#define VNSDK_API WXIMPORT
#endif
