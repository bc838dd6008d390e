# Cross-builds for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix). The toolkit comes from
# scripts/build-wx-mingw.sh: pass its prefix as DH_WX_MINGW_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(DH_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DH_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DH_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DH_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DH_MINGW_TRIPLET} ${DH_WX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The toolkit's own configuration script knows its flags and libraries.
if(DH_WX_MINGW_PREFIX)
  set(wxWidgets_CONFIG_EXECUTABLE ${DH_WX_MINGW_PREFIX}/bin/wx-config CACHE FILEPATH "wx-config of the MinGW build")
endif()
# ctest runs the test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
