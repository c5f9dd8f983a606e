# Installation of the game and its Debian package.
#
#   cmake --install <build> [--prefix <folder>]
#
#   <prefix>/bin/quartelo4                          launcher: goes to the
#                                                   data folder, starts the game
#   <prefix>/libexec/quartelo4/quartelo4            the program
#   <prefix>/share/quartelo4/images/*.bmp           its pictures
#   <prefix>/share/applications/quartelo4.desktop   desktop entry
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/quartelo4.png
#
# The game reads its pictures from images/ in its working directory; the
# launcher and the desktop entry (Path=) both start it in share/quartelo4.
#
#   cpack -G DEB --config <build>/CPackConfig.cmake
#
# makes the Debian package (see scripts/paquet-debian.sh).

include(GNUInstallDirs)

set(QUARTELO4_DOSSIER_INSTALLATION "${CMAKE_CURRENT_LIST_DIR}")

install(TARGETS quartelo4
  RUNTIME DESTINATION "${CMAKE_INSTALL_LIBEXECDIR}/quartelo4")
# The installed program finds Qt in the system's library folders: no run path.
set_target_properties(quartelo4 PROPERTIES INSTALL_RPATH "")

# Installing (and packaging) takes what is built and builds nothing more: the
# tests and tools of the build tree have no place in the package, so they
# need not be built first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(DIRECTORY "${PROJECT_SOURCE_DIR}/images/"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/quartelo4/images"
  FILES_MATCHING PATTERN "*.bmp")

file(GLOB quartelo4_tailles_icones RELATIVE "${PROJECT_SOURCE_DIR}/artwork/icones"
  "${PROJECT_SOURCE_DIR}/artwork/icones/*x*")
foreach(taille IN LISTS quartelo4_tailles_icones)
  install(FILES "${PROJECT_SOURCE_DIR}/artwork/icones/${taille}/quartelo4.png"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}/apps")
endforeach()

# The launcher and the desktop entry name the folders of the installation,
# which are only known for sure at install time (--prefix may change them).
install(CODE "
  set(QUARTELO4_SOURCES_INSTALLATION \"${QUARTELO4_DOSSIER_INSTALLATION}\")
  set(QUARTELO4_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(QUARTELO4_LIBEXECDIR \"${CMAKE_INSTALL_LIBEXECDIR}\")
  set(QUARTELO4_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
")
install(SCRIPT "${QUARTELO4_DOSSIER_INSTALLATION}/configurer.cmake")

# The Debian package.
set(QUARTELO4_MAINTENEUR "Quartelo 4 maintainers <quartelo4@example.org>"
  CACHE STRING "Maintainer named in the Debian package")

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
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
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
