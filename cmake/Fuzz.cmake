# libFuzzer targets (clang only): configure with CXX=clang++ and
# -DVORDA_FUZZ=ON. ctest replays each seed corpus; a real run is for example
# `fuzz_sound_note -max_total_time=120 <corpus folder>`.
option(VORDA_FUZZ "Build the libFuzzer targets (clang only)" OFF)
set(VORDA_FUZZ_ENABLED OFF)
if(VORDA_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND NOT CMAKE_CROSSCOMPILING)
  set(VORDA_FUZZ_ENABLED ON)
endif()

# vorda_add_fuzzer(<name> SOURCE <entry.cpp> CORPUS <folder> SOURCES <core sources...> [FLAGS ...])
function(vorda_add_fuzzer name)
  cmake_parse_arguments(F "" "SOURCE;CORPUS" "SOURCES;FLAGS" ${ARGN})
  set(flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all ${F_FLAGS})
  add_executable(${name} ${F_SOURCE} ${F_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${flags})
  target_link_options(${name} PRIVATE ${flags})
  add_test(NAME ${name}_corpus COMMAND ${name} -runs=0 ${F_CORPUS})
endfunction()
