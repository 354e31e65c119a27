# The XML vocabulary is compiled in directly and registers with the stand-in
# host functions that the benchmark defines.
file(GLOB _xml_inspectors CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/inspectors/xml/*.cpp)
target_sources(${_name} PRIVATE ${_xml_inspectors})
target_link_libraries(${_name} PRIVATE frame universe)
