# The soak runs the real host with the inspector library built beside it.
target_link_libraries(${_name} PRIVATE veritor_host)
target_compile_definitions(${_name} PRIVATE INSPECTORS="$<TARGET_FILE:inspectors>")
add_dependencies(${_name} inspectors)
