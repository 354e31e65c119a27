target_link_libraries(xml_dom PRIVATE platform)
