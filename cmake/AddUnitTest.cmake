# add_unit_test(NAME SOURCES... LIBS ...)
# One GoogleTest executable, registered with ctest test by test under the
# program's name (ctest -R model_tests runs one program). GUI tests run on the
# offscreen platform so that they need no display.
function(add_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} testsupport GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# use_sdxtool(NAME): the test program runs the built sdxtool (tests/support/ToolRun.h).
function(use_sdxtool name)
  add_dependencies(${name} sdxtool)
  target_compile_definitions(${name} PRIVATE SDXTOOL_PATH="$<TARGET_FILE:sdxtool>")
endfunction()
