# The installed tree, relocatable (every run path is relative to the file that holds it):
#   bin/         datahook-runner, tabulon-dump, the SDK substitute the runner loads, and on Windows every
#                run-time DLL they need (the toolkit's and the compiler's)
#   plugins/     the plug-in library, as a host's plug-in folder takes it; its site settings go beside it
#   share/doc/dh-AutomatedTesting/   README.md
# `make package` packs that tree into a versioned archive with CPack: .tar.gz on Linux, .zip on Windows.
include(GNUInstallDirs)
set(DH_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME})

# Run paths relative to the file; a toolkit linked from outside the system's folders (a build against another
# standard library) is found where it was linked from.
set_target_properties(dh-AutomatedTesting VNPlugInCommon PROPERTIES INSTALL_RPATH "$ORIGIN"
  INSTALL_RPATH_USE_LINK_PATH TRUE)
install(TARGETS dh-AutomatedTesting LIBRARY DESTINATION plugins RUNTIME DESTINATION plugins)
# A program links against the SDK library's import library on Windows; an installation has no use for it.
install(TARGETS VNPlugInCommon LIBRARY DESTINATION bin RUNTIME DESTINATION bin
  ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
if(DH_BUILD_TOOLS)
  set_target_properties(datahook-runner tabulon-dump PROPERTIES INSTALL_RPATH "$ORIGIN" INSTALL_RPATH_USE_LINK_PATH TRUE)
  install(TARGETS datahook-runner tabulon-dump RUNTIME DESTINATION bin)
endif()
install(FILES README.md DESTINATION ${DH_DOC_DIR})

# The toolkit's and the compiler's DLLs are not on a Windows machine: they go beside the programs.
if(WIN32)
  file(GLOB DH_RUNTIME_DLLS ${DH_WX_MINGW_PREFIX}/bin/wxbase*.dll)
  if(NOT DH_RUNTIME_DLLS)
    message(FATAL_ERROR "no toolkit DLLs in ${DH_WX_MINGW_PREFIX}/bin to install")
  endif()
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
      OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "the compiler's ${dll} is not to be found (${CMAKE_CXX_COMPILER} -print-file-name)")
    endif()
    list(APPEND DH_RUNTIME_DLLS ${path})
  endforeach()
  install(FILES ${DH_RUNTIME_DLLS} DESTINATION bin)
endif()

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME})
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ)
endif()
include(CPack)
