# `make package`: a Debian package of what `make install` lays out, under /usr.
# Included at the end of the top-level CMakeLists.txt, after the install rules.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ohmbench)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ohmbench developers")
set(CPACK_PACKAGE_CONTACT "Ohmbench developers <ohmbench@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for small electronic circuits")
set(CPACK_PACKAGE_DESCRIPTION
"Ohmbench is a desktop calculator for people who build electronic circuits
on the bench. Its six pages read a resistor's colour bands or paint the
bands for a value; show how far a capacitor has charged or discharged a
given time after switching, on a graph; design a potential divider with up
to four taps from ideal, E12 or E24 resistors; and compute the timing
resistors of CMOS monostables, CMOS astables and the 555 timer, for a fixed
value or for a range trimmed with a variable resistor.")

# ohmbench_1.1_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/ohmbench/")
# Dependencies follow the libraries the program really links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# ---- checks a distribution makes ----------------------------------------------
add_test(NAME desktop_metadata
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check_metadata.sh
          ${CMAKE_SOURCE_DIR} ${OHMBENCH_APP_ID} ${PROJECT_VERSION})
add_test(NAME command_line
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check_command_line.sh
          $<TARGET_FILE:ohmbench> ${PROJECT_VERSION})

# An instrumented build is no build to ship, and lintian would say so.
if(NOT OHMBENCH_SANITIZE)
  add_test(NAME debian_package
    COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh
            ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/package-check ${PROJECT_VERSION})
  set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
endif()
