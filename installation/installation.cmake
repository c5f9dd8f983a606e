# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation of the game and its Debian package.
#
#   cmake --install <build> [--prefix <folder>]
#
#   <prefix>/bin/quartelo4                          launcher: goes to the
#                                                   data folder, starts the game
#   <prefix>/libexec/quartelo4/quartelo4            the program
#   <prefix>/share/quartelo4/images/*.bmp           its pictures, with their
#                                                   @2x and @3x sizes
#   <prefix>/share/applications/<id>.desktop        desktop entry
#   <prefix>/share/metainfo/<id>.metainfo.xml       AppStream metainfo
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/<id>.png
#   <prefix>/share/man/man6/quartelo4.6.gz          man page (and man/fr/man6)
#   <prefix>/share/doc/quartelo4/copyright          licences (Debian's format)
#   <prefix>/share/doc/quartelo4/changelog.gz       CHANGELOG.md
#
# where <id> is QUARTELO4_ID (CMakeLists.txt). The game reads its pictures
# from images/ in its working directory; the launcher and the desktop entry
# (Path=) both start it in the data folder.
#
#   cpack -G DEB --config <build>/CPackConfig.cmake
#
# makes the Debian package (see scripts/paquet-debian.sh), laid out as Debian
# lays out games: the launcher in /usr/games, the data in
# /usr/share/games/quartelo4, and the Debian changelog beside the upstream
# one. That layout is the install-time variable QUARTELO4_DISPOSITION=debian,
# which CPack sets; it can also be the default of a build tree:
# -DQUARTELO4_DISPOSITION=debian.

include(GNUInstallDirs)

set(QUARTELO4_DISPOSITION "standard" CACHE STRING
  "Default layout of `cmake --install`: standard (bin/, share/quartelo4) or debian (games/, share/games/quartelo4)")
set_property(CACHE QUARTELO4_DISPOSITION PROPERTY STRINGS standard debian)
set(QUARTELO4_MAINTENEUR "Quartelo 4 contributors <contributors@quartelo4.invalid>"
  CACHE STRING "Maintainer named in the Debian package and its changelog")

set(QUARTELO4_DOSSIER_INSTALLATION "${CMAKE_CURRENT_LIST_DIR}")
set(QUARTELO4_PUBLICATION "${CMAKE_BINARY_DIR}/publication")
file(MAKE_DIRECTORY "${QUARTELO4_PUBLICATION}")

install(TARGETS quartelo4
  RUNTIME DESTINATION "${CMAKE_INSTALL_LIBEXECDIR}/quartelo4")
# The installed program finds Qt in the system's library folders: no run path.
set_target_properties(quartelo4 PROPERTIES INSTALL_RPATH "")
# Its relocations are all resolved at start and then made read-only, as in
# Debian's own packages.
target_link_options(quartelo4 PRIVATE "LINKER:-z,relro,-z,now")
# A stripped program (CPack strips) also loses the compilers' notes.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/quartelo4/quartelo4\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
")

# Installing (and packaging) takes what is built and builds nothing more: the
# tests and tools of the build tree have no place in the package, so they
# need not be built first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

file(GLOB quartelo4_tailles_icones RELATIVE "${PROJECT_SOURCE_DIR}/artwork/icones"
  "${PROJECT_SOURCE_DIR}/artwork/icones/*x*")
foreach(taille IN LISTS quartelo4_tailles_icones)
  install(FILES "${PROJECT_SOURCE_DIR}/artwork/icones/${taille}/quartelo4.png"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}/apps"
    RENAME "${QUARTELO4_ID}.png")
endforeach()

# The metainfo and the copyright file do not depend on where the game goes.
configure_file("${QUARTELO4_DOSSIER_INSTALLATION}/quartelo4.metainfo.xml.in"
  "${QUARTELO4_PUBLICATION}/${QUARTELO4_ID}.metainfo.xml" @ONLY)
install(FILES "${QUARTELO4_PUBLICATION}/${QUARTELO4_ID}.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
include("${QUARTELO4_DOSSIER_INSTALLATION}/copyright.cmake")
quartelo4_ecrire_copyright("${PROJECT_SOURCE_DIR}" "${QUARTELO4_PUBLICATION}/copyright")
install(FILES "${QUARTELO4_PUBLICATION}/copyright"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quartelo4")

# The Debian package's version and the date of its changelog entry, in the
# form Debian's changelogs use.
set(QUARTELO4_VERSION_PAQUET "${PROJECT_VERSION}-1")
execute_process(COMMAND date -u -R -d "${QUARTELO4_DATE_VERSION} 12:00"
  OUTPUT_VARIABLE QUARTELO4_DATE_DEBIAN OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
find_program(QUARTELO4_GZIP gzip REQUIRED)
mark_as_advanced(QUARTELO4_GZIP)

# The launcher, the desktop entry, the man pages and the pictures name or
# follow the folders of the installation, which are only known for sure at
# install time (--prefix may change them, and so may the layout).
install(CODE "
  if(NOT DEFINED QUARTELO4_DISPOSITION)
    set(QUARTELO4_DISPOSITION \"${QUARTELO4_DISPOSITION}\")
  endif()
  set(QUARTELO4_SOURCES \"${PROJECT_SOURCE_DIR}\")
  set(QUARTELO4_SOURCES_INSTALLATION \"${QUARTELO4_DOSSIER_INSTALLATION}\")
  set(QUARTELO4_ID \"${QUARTELO4_ID}\")
  set(QUARTELO4_GZIP \"${QUARTELO4_GZIP}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(QUARTELO4_DATE_VERSION \"${QUARTELO4_DATE_VERSION}\")
  set(QUARTELO4_VERSION_PAQUET \"${QUARTELO4_VERSION_PAQUET}\")
  set(QUARTELO4_DATE_DEBIAN \"${QUARTELO4_DATE_DEBIAN}\")
  set(QUARTELO4_MAINTENEUR \"${QUARTELO4_MAINTENEUR}\")
  set(QUARTELO4_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(QUARTELO4_LIBEXECDIR \"${CMAKE_INSTALL_LIBEXECDIR}\")
  set(QUARTELO4_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(QUARTELO4_MANDIR \"${CMAKE_INSTALL_MANDIR}\")
")
install(SCRIPT "${QUARTELO4_DOSSIER_INSTALLATION}/configurer.cmake")

# The Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quartelo4")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Quartelo 4")
set(CPACK_PACKAGE_CONTACT "${QUARTELO4_MAINTENEUR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four-in-a-row game against a friend or the computer")
set(CPACK_PACKAGE_DESCRIPTION "Quartelo 4 is a desktop game of four in a row on an upright board of\n\
seven columns and six rows, with a French interface. Each side, red or\n\
yellow, is played by a person, with the mouse, the column buttons or the\n\
keyboard, or by the computer, which looks 8, 10 or 12 moves ahead.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_CUSTOM_INSTALL_VARIABLES "QUARTELO4_DISPOSITION=debian")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE "1")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUARTELO4_MAINTENEUR}")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The windows have fixed sizes laid out for DejaVu Sans, which the game's
# style asks for. The Qt 6 libraries the program links to, with their
# versions, are worked out by dpkg-shlibdeps (package dpkg-dev) from the
# program itself; without it, the same libraries are named by hand.
find_program(QUARTELO4_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(QUARTELO4_DPKG_SHLIBDEPS)
if(QUARTELO4_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), libqt6gui6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), libqt6widgets6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), libstdc++6, libc6, fonts-dejavu-core")
endif()
set(CPACK_STRIP_FILES ON)
# Only the game: no test or tool of the build goes into the package.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
