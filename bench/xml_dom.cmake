find_package(LibXml2 REQUIRED)
target_link_libraries(xml_dom PRIVATE platform LibXml2::LibXml2)
