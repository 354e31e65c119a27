# The host with its own vocabulary only.
target_link_libraries(${_name} PRIVATE veritor_host)
