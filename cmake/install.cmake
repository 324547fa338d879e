# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where the FHS wants it, beyond the programs and
# maprune.dat (installed by their own folders): the sample reports beside the
# game data, the documentation, and on free desktops the desktop entry, MIME
# types, icons and AppStream data.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/maprune/samples
  FILES_MATCHING PATTERN "*.cr")
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

if(MAPRUNE_GUI AND UNIX AND NOT APPLE)
  include(${CMAKE_CURRENT_LIST_DIR}/desktop.cmake)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/packaging.cmake)
