# Building for Windows with mingw-w64: the system's own headers and libraries
# take the place of the stand-ins in platform/, and the host becomes
# veritor.dll, from which inspector libraries import the host interface.

# The runtime of the compiler is linked into each module, so the DLLs and the
# tool need nothing beside them but the system.
add_link_options(-static)
# windows.h defines min and max as macros unless told not to.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
# DLLs are named as Windows names them: veritor.dll, inspectors.dll.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_SHARED_MODULE_PREFIX "")
# Resources: the tool's application manifest.
enable_language(RC)

# Paths by which the tests find built files, as the Windows programs see
# them: under Wine, drive Z: is the root of the build machine's files.
if(CMAKE_CROSSCOMPILING)
  set(VERITOR_RUN_PATH_PREFIX "Z:")
else()
  set(VERITOR_RUN_PATH_PREFIX "")
endif()

# mingw-w64 runs a module's static constructors from its last object file to
# its first. The order of a plug-in's registrations is the order of its
# sources on every platform, so the list is linked reversed here.
function(veritor_link_order out)
  set(_sources ${ARGN})
  list(REVERSE _sources)
  set(${out} ${_sources} PARENT_SCOPE)
endfunction()

# A DLL's exports: with no symbol marked for export, the linker would export
# every one.
function(veritor_exports_nothing target)
  target_link_options(${target} PRIVATE -Wl,--exclude-all-symbols)
endfunction()

# What `cmake --install` puts into a prefix on Windows:
#
#   bin/veritor.exe, bin/veritor.dll   the tool and the host, side by side
#   bin/inspectors.dll                 the inspector library, found beside the tool
#   lib/libveritor.dll.a               the host's import library
#   include/veritor/host/Veritor.h     the embedding API
function(veritor_install_windows)
  install(TARGETS veritor veritor_host RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
  install(TARGETS inspectors LIBRARY DESTINATION bin)
  install(FILES ${PROJECT_SOURCE_DIR}/host/Veritor.h DESTINATION include/veritor/host)
endfunction()
