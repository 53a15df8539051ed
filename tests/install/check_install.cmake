cmake_policy(SET CMP0057 NEW)
# Installs into a scratch prefix and checks that a desktop finds the program:
# the executable, its desktop entry naming it and its icon, the icon, the
# AppStream metadata, the manual page and the Debian documentation files.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
foreach(f bin/ohmbench share/applications/${APP_ID}.desktop share/icons/hicolor/scalable/apps/ohmbench.svg
          share/metainfo/${APP_ID}.metainfo.xml share/man/man1/ohmbench.1.gz
          share/doc/ohmbench/copyright share/doc/ohmbench/changelog.gz)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" entry)
foreach(line "Type=Application" "Exec=ohmbench" "Icon=ohmbench" "Name=Ohmbench")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/ohmbench.svg" icon)
if(NOT icon MATCHES "<svg")
  message(FATAL_ERROR "the icon is not an SVG picture")
endif()
message(STATUS "1 passed, 0 failed")
