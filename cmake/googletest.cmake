# GoogleTest from Debian's sources (/usr/src/googletest), built for whichever target this is.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# tesselume_add_gtest(NAME sources... LIBS libs...): one test program, its tests registered with CTest.
# Windows test programs run through Wine (the toolchain's emulator); discovery happens at test time so
# building needs no Wine.
function(tesselume_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  tesselume_warnings(${name})
  # A list of labels must reach the discovered tests as one property value.
  string(REPLACE ";" "\\;" labels "${ARG_LABELS}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES LABELS "${labels}" TIMEOUT 120)
endfunction()
