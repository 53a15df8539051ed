# The folders depend one way only: shell -> pages -> kit -> values, and the
# calculation core (values/ and every *_calc) is plain C++ without Qt.
#   cmake -DSOURCE_DIR=... -P check_layers.cmake
set(rules
  "kit/*.[ch]*|\"(pages|shell)/"
  "pages/*.[ch]*|\"shell/"
  "pages/*/*.[ch]*|\"shell/"
  "values/*.[ch]*|<Q|\"(kit|pages|shell)/"
  "pages/*/*_calc.[ch]*|<Q|\"(kit|shell)/|\"pages/page\\.h")
set(broken "")
foreach(rule ${rules})
  string(REPLACE "|" ";" parts "${rule}")
  list(POP_FRONT parts pattern)
  list(JOIN parts "|" forbidden)
  file(GLOB files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${pattern}")
  foreach(f ${files})
    file(STRINGS "${SOURCE_DIR}/${f}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*(${forbidden})")
        string(APPEND broken "  ${f}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "includes against the layer order:\n${broken}")
endif()
message(STATUS "layer order holds")
