# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop program on free desktops: menu entry, file types, icon in the
# sizes desktops ask for (rendered from the one SVG at build time) and the
# AppStream data that software centres show.
set(MAPRUNE_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
set(MAPRUNE_APP_ID "de.oskel.maprune")
set(MAPRUNE_DEVELOPER_ID "de.oskel")
set(MAPRUNE_HOMEPAGE "https://maprune.example.org" CACHE STRING "The project's web address, named in the AppStream data")

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_files)
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/maprune.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${MAPRUNE_DESKTOP_DIR}/maprune.svg
    DEPENDS ${MAPRUNE_DESKTOP_DIR}/maprune.svg
    VERBATIM)
  list(APPEND icon_files ${icon})
endforeach()
add_custom_target(maprune_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${MAPRUNE_DESKTOP_DIR}/maprune.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MAPRUNE_DESKTOP_DIR}/maprune.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MAPRUNE_DESKTOP_DIR}/maprune-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME maprune.xml)

# The release notes are the newest section of CHANGELOG.md, its entries as a
# list; a section still headed "Unreleased" is a development release.
file(READ ${PROJECT_SOURCE_DIR}/CHANGELOG.md changelog)
string(REGEX MATCH "\n## ([^\n]*)\n(.*)" newest "${changelog}")
set(heading "${CMAKE_MATCH_1}")
string(REGEX REPLACE "\n## .*" "" section "${CMAKE_MATCH_2}")
string(REPLACE "&" "&amp;" section "${section}")
string(REPLACE "<" "&lt;" section "${section}")
string(REPLACE ">" "&gt;" section "${section}")
string(REGEX REPLACE "`([^`\n]*)`" "<code>\\1</code>" section "${section}")
# Lines become list elements; their own semicolons must not split them.
string(REPLACE ";" "@SEMICOLON@" section "${section}")
string(REPLACE "\n" ";" section_lines "${section}")
set(items "")
foreach(line IN LISTS section_lines)
  if(line MATCHES "^- (.*)")
    string(APPEND items "          <li>${CMAKE_MATCH_1}</li>\n")
  endif()
endforeach()
string(REPLACE "@SEMICOLON@" ";" items "${items}")
set(MAPRUNE_RELEASE_NOTES "        <ul>\n${items}        </ul>")
if(heading MATCHES "^Unreleased")
  set(MAPRUNE_RELEASE_TYPE development)
else()
  set(MAPRUNE_RELEASE_TYPE stable)
endif()
# Honours SOURCE_DATE_EPOCH, for reproducible packages.
string(TIMESTAMP MAPRUNE_RELEASE_DATE "%Y-%m-%d" UTC)
set(MAPRUNE_METAINFO ${CMAKE_BINARY_DIR}/${MAPRUNE_APP_ID}.metainfo.xml)
configure_file(${MAPRUNE_DESKTOP_DIR}/maprune.metainfo.xml.in ${MAPRUNE_METAINFO} @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
install(FILES ${MAPRUNE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
