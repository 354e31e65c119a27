# Installs the build into a fresh prefix and uses it as a third party would:
# runs the installed tool with its default inspector library, builds the
# sample inspector library against the prefix with find_package and with
# pkg-config, and loads each build into the installed tool.
cmake_minimum_required(VERSION 3.25)

set(prefix ${WORK_DIR}/prefix)
set(query [[word count of "one, two 3"]])
file(REMOVE_RECURSE ${WORK_DIR})

# Runs a command; it must succeed and, unless `expected` is "-", print that.
function(expect expected)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed with ${status}: ${ARGN}\n${out}${err}")
  endif()
  if(NOT expected STREQUAL "-" AND NOT out STREQUAL expected)
    message(FATAL_ERROR "${ARGN}\nprinted \"${out}\", not \"${expected}\"\n${err}")
  endif()
endfunction()

expect(- ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# Every project header that an installed header includes is installed too.
file(GLOB_RECURSE headers ${prefix}/include/veritor/*.h)
foreach(header IN LISTS headers)
  file(STRINGS ${header} includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
    if(NOT EXISTS ${prefix}/include/veritor/${included})
      message(FATAL_ERROR "${header} includes ${included}, which is not installed")
    endif()
  endforeach()
endforeach()

# The tool finds its inspector library in the prefix. (Queries here hold no
# ";", which would split them as CMake lists.)
expect("x\n" ${EMULATOR} ${prefix}/bin/veritor [[" x " as trimmed string]])

# find_package(Veritor), as the sample's CMakeLists.txt does.
set(launcher)
if(LAUNCHER)
  set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
# A build for another processor (32-bit Linux) builds the sample with its
# toolchain, and runs the tool through its emulator.
set(toolchain)
if(TOOLCHAIN)
  set(toolchain -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
expect(- ${CMAKE_COMMAND} -S ${SAMPLE_DIR} -B ${WORK_DIR}/sample -G ${GENERATOR}
         -DCMAKE_CXX_COMPILER=${CXX} ${launcher} ${toolchain} -DCMAKE_PREFIX_PATH=${prefix}
         -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
expect(- ${CMAKE_COMMAND} --build ${WORK_DIR}/sample)
expect("3\n" ${EMULATOR} ${prefix}/bin/veritor --plugin ${WORK_DIR}/sample/libwordcount.so ${query})

# pkg-config, with the compiler called directly.
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs veritor-frame
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(flags UNIX_COMMAND "${flags}")
expect(- ${LAUNCHER} ${CXX} ${cxx_flags} -std=c++20 -shared -fPIC ${SAMPLE_DIR}/WordCount.cpp ${flags}
         -o ${WORK_DIR}/libwordcount.so)
expect("3\n" ${EMULATOR} ${prefix}/bin/veritor --plugin ${WORK_DIR}/libwordcount.so ${query})
