# Compares the names a DLL exports with a list: one name a line, in the
# order objdump shows them (sorted). An empty list, or none given, means the
# DLL must export nothing at all.
#
#   cmake -D OBJDUMP=... -D DLL=... [-D EXPECTED=file] -P ExportTable.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE _dump RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "objdump cannot read ${DLL}")
endif()

# The entries of "[Ordinal/Name Pointer] Table", one per line: "\t[   n] name"
# (those of the address table read "\t[   n] +base[   m] ...").
set(_exported)
string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" _entries "${_dump}")
foreach(_entry IN LISTS _entries)
  string(REGEX REPLACE "^\t\\[ *[0-9]+\\] " "" _name "${_entry}")
  if(NOT _name MATCHES "^\\+base")
    list(APPEND _exported "${_name}")
  endif()
endforeach()

set(_expected)
if(EXPECTED)
  file(STRINGS ${EXPECTED} _expected)
endif()

if(NOT "${_exported}" STREQUAL "${_expected}")
  list(JOIN _exported "\n  " _shown)
  message(FATAL_ERROR "${DLL} exports:\n  ${_shown}\nnot what ${EXPECTED} lists")
endif()
