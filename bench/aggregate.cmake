# "mean" is compiled in directly and registers with the stand-in host
# functions that the benchmark defines.
target_sources(${_name} PRIVATE ${PROJECT_SOURCE_DIR}/inspectors/core/Means.cpp)
target_link_libraries(${_name} PRIVATE frame universe)
