# Escaping and rendering are compiled in directly: the inspector library
# itself is a plug-in with nothing exported.
target_sources(${_name} PRIVATE ${PROJECT_SOURCE_DIR}/inspectors/html/HtmlEscape.cpp
                                ${PROJECT_SOURCE_DIR}/inspectors/html/RenderElement.cpp
                                ${PROJECT_SOURCE_DIR}/inspectors/core/Rope.cpp
                                ${PROJECT_SOURCE_DIR}/inspectors/core/StreamingCopy.cpp)
target_link_libraries(${_name} PRIVATE frame universe)
