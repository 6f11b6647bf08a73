# GoogleTest from Debian's source package, built inside this build tree for
# the native and the MinGW toolchain alike.
include(GoogleTest)
if(EXISTS ${VORDA_GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${VORDA_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_gtest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  add_library(gtest_main ALIAS GTest::gtest_main)
  add_library(gmock ALIAS GTest::gmock)
endif()

# vorda_add_tests(<target> [SERIAL] SOURCES ... LIBS ...): a GoogleTest
# executable whose cases ctest lists one by one. Windows ones are discovered
# and run under Wine. SERIAL cases never run beside other tests (they start
# the program, whose instances would meet each other).
function(vorda_add_tests target)
  cmake_parse_arguments(T "SERIAL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE ${T_LIBS} gmock gtest_main)
  set(props TIMEOUT 120)
  if(T_SERIAL)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES DISCOVERY_TIMEOUT 120
    PROPERTIES ${props})
endfunction()
