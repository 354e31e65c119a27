# What `cmake --install` puts into a prefix:
#
#   bin/veritor                     the tool; finds lib/ through its run path
#   lib/libveritor.so               the host evaluator and its C++ API (Veritor::host)
#   lib/libveritor_com.so           COM's per-process run time, used by the host
#                                   and every inspector library
#   lib/veritor/libinspectors.so    the inspector library, where the tool looks
#                                   for it by default
#   lib/libveritor_frame.a          the registration frame (Veritor::frame), with
#   lib/libveritor_universe.a       the foundation and platform layers it is
#   lib/libveritor_platform.a       built on
#   include/veritor/                host/Veritor.h; frame/ and the foundation
#                                   headers that frame/ includes
#   lib/cmake/Veritor/              the package for find_package(Veritor)
#   lib/pkgconfig/                  veritor.pc (the host), veritor-frame.pc
#
# Everything is found relative to where it lies, so a prefix can be moved.
include(CMakePackageConfigHelpers)

if(WIN32)
  veritor_install_windows()
  return()
endif()

set(_lib lib)
set(_include include/veritor)
set(_package ${_lib}/cmake/Veritor)

set_target_properties(veritor PROPERTIES INSTALL_RPATH "$ORIGIN/../${_lib}")
set_target_properties(veritor_host PROPERTIES INSTALL_RPATH "$ORIGIN" EXPORT_NAME host)
set_target_properties(inspectors PROPERTIES INSTALL_RPATH "$ORIGIN/..")
set_target_properties(veritor_com PROPERTIES EXPORT_NAME com)
foreach(_layer IN ITEMS frame universe platform)
  set_target_properties(${_layer} PROPERTIES OUTPUT_NAME veritor_${_layer})
endforeach()

install(TARGETS veritor RUNTIME DESTINATION bin)
install(TARGETS inspectors LIBRARY DESTINATION ${_lib}/veritor)
install(TARGETS veritor_host veritor_com frame universe platform
        EXPORT VeritorTargets
        LIBRARY DESTINATION ${_lib}
        ARCHIVE DESTINATION ${_lib})

# What an inspector library built on the installed frame must be: a module
# that exports nothing of its own (the frame and foundation inside it stay
# private, so that two libraries never bind each other's copies), whose
# inline functions' statics do not pin it in memory, and whose calls of the
# host's functions are left for the loading process to bind.
target_compile_options(frame INTERFACE
  "$<INSTALL_INTERFACE:-fvisibility=hidden;-fvisibility-inlines-hidden;$<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>>")
target_link_options(frame INTERFACE $<INSTALL_INTERFACE:LINKER:--exclude-libs,ALL>)
# Code built with the sanitizers needs their run time in whatever links it.
if(VERITOR_SANITIZE)
  target_link_options(platform INTERFACE "$<INSTALL_INTERFACE:${_veritor_sanitizers}>")
endif()

# The frame's headers and, of the foundation, exactly those they include.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/frame/ DESTINATION ${_include}/frame
        FILES_MATCHING PATTERN "*.h")
foreach(_header IN ITEMS buffers/ConstData.h buffers/Data.h buffers/BufferExceptions.h
                         exceptions/Assertion.h exceptions/DebuggableException.h
                         integers/IntegerTypes.h)
  get_filename_component(_folder ${_header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/universe/${_header}
          DESTINATION ${_include}/universe/${_folder})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/host/Veritor.h DESTINATION ${_include}/host)

install(EXPORT VeritorTargets NAMESPACE Veritor:: DESTINATION ${_package})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VeritorConfig.cmake.in
  ${PROJECT_BINARY_DIR}/package/VeritorConfig.cmake INSTALL_DESTINATION ${_package})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/VeritorConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/VeritorConfig.cmake
              ${PROJECT_BINARY_DIR}/package/VeritorConfigVersion.cmake
        DESTINATION ${_package})

# pkg-config: the sanitizers' run time goes on the frame's link line too.
set(VERITOR_PC_SANITIZERS)
if(VERITOR_SANITIZE)
  list(JOIN _veritor_sanitizers " " VERITOR_PC_SANITIZERS)
endif()
foreach(_pc IN ITEMS veritor veritor-frame)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${_pc}.pc.in ${PROJECT_BINARY_DIR}/package/${_pc}.pc
                 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/package/${_pc}.pc DESTINATION ${_lib}/pkgconfig)
endforeach()
