# The tests of a cross-build, run by ctest through CMAKE_CROSSCOMPILING_EMULATOR (wine64 for Windows). Left
# out, because they need what only the Linux build has: the tests that read reports back with libxml2 or
# validate them with xmllint (the printer, plug-in, verifiers, catalogue), the tests that load libraries with
# dlopen or start the tools through a POSIX shell (tools, readme, plug-in hosts), and valgrind. The golden and
# faulty corpora run under Wine through datahook-runner instead (scripts/test-windows.sh).
add_library(test_support STATIC support/scratchdir.cpp support/files.cpp support/datafile.cpp
  ${test_system_source})
target_link_libraries(test_support PUBLIC GTest::gtest ${wxWidgets_LIBRARIES})
# The test programs include the helpers by their folder ("support/files.h").
target_include_directories(test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(test_support PUBLIC ${dh_path_definitions})

# The data-file library: parsers, the reader and its queries, and the replay of the fuzzers' findings.
file(GLOB tabulon_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tabulon/*.cpp)
add_executable(tabulon_tests ${tabulon_test_sources})
target_link_libraries(tabulon_tests PRIVATE test_support GTest::gtest_main tabulon)
set(workdir ${CMAKE_CURRENT_BINARY_DIR}/work/tabulon_tests)
file(MAKE_DIRECTORY ${workdir})
add_test(NAME tabulon_tests COMMAND tabulon_tests WORKING_DIRECTORY ${workdir})

# The report's text escaping, which keeps characters outside the BMP whole, the one-line form of texts, and the
# report's writing: native line end, an existing report replaced in one step, and the timestamps of any clock.
add_executable(report_writing_tests reporting/xmltext_test.cpp reporting/reportfiles_test.cpp
  reporting/utctimestamp_test.cpp text/onelinetext_test.cpp)
target_link_libraries(report_writing_tests PRIVATE test_support GTest::gtest_main reporting)
set(workdir ${CMAKE_CURRENT_BINARY_DIR}/work/report_writing_tests)
file(MAKE_DIRECTORY ${workdir})
add_test(NAME report_writing_tests COMMAND report_writing_tests WORKING_DIRECTORY ${workdir})

# The runner's Windows entry point takes its arguments whole, no more and no fewer: a name with blanks reaches the
# plug-in as one data file, named in the summary.
set(workdir ${CMAKE_CURRENT_BINARY_DIR}/work/runner_arguments)
file(MAKE_DIRECTORY ${workdir})
add_test(NAME runner_arguments COMMAND datahook-runner --no-findings "a b.txt" WORKING_DIRECTORY ${workdir})
set_tests_properties(runner_arguments PROPERTIES PASS_REGULAR_EXPRESSION
  "FAILED test003locating_verifier_for_a b\r?\n.*total: suites 1, tests 3, failures 1")
