# SPDX-License-Identifier: GPL-3.0-or-later
# CPack: a Debian package of the installed tree and a source tarball
# (scripts/package.sh). Other generators (an installer for Windows) can take
# the same install rules later.
set(CPACK_PACKAGE_NAME maprune)
set(CPACK_PACKAGE_VENDOR "Oskel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map and turn planner for the play-by-mail game Kelvaran")
set(CPACK_PACKAGE_DESCRIPTION
  "Maprune reads the computer reports that the Kelvaran game server mails every
player each turn, merges them into one database that keeps the history of
every value, and shows the world as a hex map. Players write, check and mail
their orders with it, and plan routes, trade and growth with its tools.
The package holds the desktop program maprune and the command-line tool
maprune-cli for scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${MAPRUNE_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(MAPRUNE_MAINTAINER "The Maprune developers <maprune@maprune.example.org>" CACHE STRING
  "The Debian package's maintainer")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MAPRUNE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-mime makes the per-user file associations of the settings dialog.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "maprune-${PROJECT_VERSION}")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/" "/packages/" "/\\\\.ccache/" "/\\\\.cache/" "~$")
include(CPack)
