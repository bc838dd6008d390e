# Read by ctest each time it collects the tests (ctest, ctest -N): lists DH_PROGRAM's cases then, so cases the
# program registers at start-up from data folders follow the folders without a rebuild. Set before inclusion:
# DH_PROGRAM (the test program) and DH_WORKDIR (the working directory of its cases).
get_filename_component(program_name "${DH_PROGRAM}" NAME_WE)
if(NOT EXISTS "${DH_PROGRAM}")
  add_test("${program_name}_NOT_BUILT" "${DH_PROGRAM}")
  return()
endif()
execute_process(COMMAND "${DH_PROGRAM}" --gtest_list_tests WORKING_DIRECTORY "${DH_WORKDIR}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status TIMEOUT 120)
if(NOT status EQUAL 0)
  # A program that cannot list its cases is one failing test that shows why.
  add_test("${program_name}_CASES_NOT_LISTED" "${DH_PROGRAM}" --gtest_list_tests)
  set_tests_properties("${program_name}_CASES_NOT_LISTED" PROPERTIES WORKING_DIRECTORY "${DH_WORKDIR}"
                       FAIL_REGULAR_EXPRESSION ".")
  return()
endif()
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #]+)")
    set(suite "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  ([^ #]+)")
    set(test_name "${suite}${CMAKE_MATCH_1}")
    add_test("${test_name}" "${DH_PROGRAM}" "--gtest_filter=${test_name}")
    # A filter that matches no case runs nothing and exits 0: that is a failure here.
    set_tests_properties("${test_name}" PROPERTIES WORKING_DIRECTORY "${DH_WORKDIR}"
                         FAIL_REGULAR_EXPRESSION "\\[  PASSED  \\] 0 tests")
  endif()
endforeach()
