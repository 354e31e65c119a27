# Compiler settings shared by every target of the project.

if(WIN32)
  include(Windows)
else()
  # Static constructors run in link order.
  function(veritor_link_order out)
    set(${out} ${ARGN} PARENT_SCOPE)
  endfunction()
  # Built files are found by their paths as they are.
  set(VERITOR_RUN_PATH_PREFIX "")
  # A shared library with hidden visibility exports nothing of its own.
  function(veritor_exports_nothing target)
  endfunction()
endif()

# The C library of 32-bit Linux keeps times and file offsets in 32 bits
# unless asked otherwise: its times end in January 2038 and it cannot open a
# file of 2 GiB or more. Every target asks for 64 bits, so that the types
# agree across the project (GoogleTest's objects too).
if(NOT WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_compile_definitions(_FILE_OFFSET_BITS=64 _TIME_BITS=64)
endif()

if(VERITOR_SANITIZE)
  set(_veritor_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)
  add_compile_options(${_veritor_sanitizers})
  add_link_options(${_veritor_sanitizers})
endif()

if(VERITOR_TSAN)
  set(_veritor_tsan -fsanitize=thread -fno-omit-frame-pointer)
  add_compile_options(${_veritor_tsan})
  add_link_options(${_veritor_tsan})
endif()

# Strict warnings for the project's own code (not for third-party headers,
# which come in as system includes).
function(veritor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Collects the sources of one layer: every .cpp below the given folders.
# Each layer globs its own tree so that parallel work on different parts of
# a layer never edits the same list. Code for one operating system lives in
# folders named after it (posix/, windows/); only the target's are kept.
if(WIN32)
  set(VERITOR_OTHER_SYSTEM posix)
else()
  set(VERITOR_OTHER_SYSTEM windows)
endif()
function(veritor_sources out)
  set(_all)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE _found CONFIGURE_DEPENDS "${dir}/*.cpp")
    foreach(_file IN LISTS _found)
      file(RELATIVE_PATH _relative ${dir} ${_file})
      if(NOT _relative MATCHES "(^|/)${VERITOR_OTHER_SYSTEM}/")
        list(APPEND _all ${_file})
      endif()
    endforeach()
  endforeach()
  list(SORT _all)
  set(${out} ${_all} PARENT_SCOPE)
endfunction()

# Declares one layer library from the sources below its folders. A layer that
# has no sources yet is an interface library, so the tree always configures.
function(veritor_library name kind)
  veritor_sources(_srcs ${ARGN})
  if(_srcs)
    add_library(${name} ${kind} ${_srcs})
    veritor_warnings(${name})
  else()
    add_library(${name} INTERFACE)
  endif()
endfunction()

# Declares the GoogleTest executable of one test folder; its tests are
# discovered by CTest when the suite runs, parameterised ones under the names
# their instantiation gives (not a dump of the parameter's bytes).
function(veritor_test_suite name dir)
  veritor_sources(_srcs ${dir})
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gmock GTest::gtest GTest::gtest_main)
  veritor_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
endfunction()

# One test executable per subfolder of a layer's test folder, named
# <layer>_<subfolder>_tests, so that each area builds and runs on its own.
function(veritor_test_suites_per_folder layer)
  file(GLOB _children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_child IN LISTS _children)
    if(IS_DIRECTORY ${_child})
      get_filename_component(_area ${_child} NAME)
      veritor_test_suite(${layer}_${_area}_tests ${_child} ${ARGN})
    endif()
  endforeach()
endfunction()
