#pragma once

namespace testsupport {

// The test programs that load the plug-in live as a desktop host lives: it adopts its user's locale (LC_ALL,
// LANG) at start, and the plug-in runs under it. With DH_TEST_LOCALE_AFTER_LOAD set, the locale is adopted only
// once the plug-in library is loaded, each load starting under "C": a host that adopts it late.

// At the start of main: adopts the environment's locale unless it is to come after each load.
void AdoptLocaleAsAHostDoes();
// Around each load of the plug-in library.
void BeforePluginLoad();
void AfterPluginLoad();

}  // namespace testsupport
