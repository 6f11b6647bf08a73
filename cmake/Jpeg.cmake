# libjpeg-turbo, cross-built from Debian's source package into this build tree
# the first time it is needed (scripts/build-jpeg).
set(VORDA_JPEG_PREFIX ${CMAKE_BINARY_DIR}/_deps/jpeg CACHE PATH "libjpeg-turbo for this toolchain")
if(NOT EXISTS ${VORDA_JPEG_PREFIX}/lib/libjpeg.a)
  if(CMAKE_CROSSCOMPILING)
    message(STATUS "Building libjpeg-turbo into ${VORDA_JPEG_PREFIX}")
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-jpeg ${VORDA_JPEG_PREFIX}
      RESULT_VARIABLE jpeg_result)
    if(NOT jpeg_result EQUAL 0)
      message(FATAL_ERROR "libjpeg-turbo could not be built")
    endif()
  endif()
endif()
if(EXISTS ${VORDA_JPEG_PREFIX}/lib/libjpeg.a)
  add_library(vorda_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(vorda_jpeg PROPERTIES
    IMPORTED_LOCATION ${VORDA_JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${VORDA_JPEG_PREFIX}/include)
else()
  find_package(JPEG REQUIRED)
  add_library(vorda_jpeg ALIAS JPEG::JPEG)
endif()
