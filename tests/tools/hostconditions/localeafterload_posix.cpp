// Preloaded into a host, makes it adopt its user's locale only once a library is loaded, each load starting
// under "C": the plug-in's static objects are built under one locale and its work is done under another, as in
// a host that adopts the locale late.
#include <clocale>
#include <dlfcn.h>

extern "C" void* dlopen(const char* file, int mode) {
  using Open = void* (*)(const char*, int);
  static const auto next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "dlopen"));
  std::setlocale(LC_ALL, "C");
  void* library = next(file, mode);
  std::setlocale(LC_ALL, "");
  return library;
}
