# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by `cmake --install` (and so by CPack): lays out the launcher, the
# desktop entry, the pictures, the man pages and, in the Debian layout, the
# Debian changelog, in the folders of this installation. The prefix is the
# one given at install time (--prefix, or the packaging prefix), and DESTDIR,
# when set, only moves where the files are written, not the folders they name.
#
# Set beforehand by installation.cmake: QUARTELO4_DISPOSITION (standard or
# debian), the source and installation folders, the id, the
# versions and dates, and the GNUInstallDirs folders QUARTELO4_BINDIR,
# QUARTELO4_LIBEXECDIR, QUARTELO4_DATADIR, QUARTELO4_MANDIR.

function(quartelo4_dossier_complet resultat dossier)
  if(IS_ABSOLUTE "${dossier}")
    set(${resultat} "${dossier}" PARENT_SCOPE)
  else()
    set(${resultat} "${CMAKE_INSTALL_PREFIX}/${dossier}" PARENT_SCOPE)
  endif()
endfunction()

quartelo4_dossier_complet(quartelo4_bin "${QUARTELO4_BINDIR}")
quartelo4_dossier_complet(quartelo4_libexec "${QUARTELO4_LIBEXECDIR}")
quartelo4_dossier_complet(quartelo4_donnees "${QUARTELO4_DATADIR}")
quartelo4_dossier_complet(quartelo4_man "${QUARTELO4_MANDIR}")

if(QUARTELO4_DISPOSITION STREQUAL "debian")
  # Debian's games: the launcher in <prefix>/games, the data under share/games.
  set(QUARTELO4_DOSSIER_DONNEES "${quartelo4_donnees}/games/quartelo4")
  set(QUARTELO4_LANCEUR "${CMAKE_INSTALL_PREFIX}/games/quartelo4")
elseif(QUARTELO4_DISPOSITION STREQUAL "standard")
  set(QUARTELO4_DOSSIER_DONNEES "${quartelo4_donnees}/quartelo4")
  set(QUARTELO4_LANCEUR "${quartelo4_bin}/quartelo4")
else()
  message(FATAL_ERROR "QUARTELO4_DISPOSITION is \"${QUARTELO4_DISPOSITION}\": it must be standard or debian")
endif()
set(QUARTELO4_PROGRAMME "${quartelo4_libexec}/quartelo4/quartelo4")
set(QUARTELO4_ENTREE "${quartelo4_donnees}/applications/${QUARTELO4_ID}.desktop")
set(quartelo4_doc "${quartelo4_donnees}/doc/quartelo4")

foreach(quartelo4_fichier IN ITEMS "${QUARTELO4_LANCEUR}" "${QUARTELO4_ENTREE}")
  string(REGEX MATCH "[\"$`\\\n]" quartelo4_interdit "${quartelo4_fichier}")
  if(quartelo4_interdit)
    message(FATAL_ERROR "Quartelo 4 cannot be installed under a folder whose name holds quotes, backslashes, dollars or back quotes: ${quartelo4_fichier}")
  endif()
endforeach()

# Writes `modele` with this installation's folders, to `destination`.
function(quartelo4_ecrire modele destination)
  message(STATUS "Installing: $ENV{DESTDIR}${destination}")
  configure_file("${modele}" "$ENV{DESTDIR}${destination}" @ONLY ${ARGN})
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${destination}")
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# Compresses the file written at `destination` as Debian wants it (gzip -9n:
# no name, no time, the same bytes on every build), into `destination`.gz.
function(quartelo4_compresser destination)
  execute_process(COMMAND "${QUARTELO4_GZIP}" -9 -n -f "$ENV{DESTDIR}${destination}"
    COMMAND_ERROR_IS_FATAL ANY)
  list(REMOVE_ITEM CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${destination}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${destination}.gz")
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

set(quartelo4_lecture OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
quartelo4_ecrire("${QUARTELO4_SOURCES_INSTALLATION}/quartelo4.sh.in" "${QUARTELO4_LANCEUR}"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
quartelo4_ecrire("${QUARTELO4_SOURCES_INSTALLATION}/quartelo4.desktop.in" "${QUARTELO4_ENTREE}"
  FILE_PERMISSIONS ${quartelo4_lecture})

file(GLOB quartelo4_images "${QUARTELO4_SOURCES}/images/*.bmp")
file(INSTALL ${quartelo4_images} DESTINATION "${QUARTELO4_DOSSIER_DONNEES}/images"
  FILE_PERMISSIONS ${quartelo4_lecture})

# The man pages name the folders of this installation: in troff, "\-" is
# the minus a path holds (a plain "-" may print as a hyphen) and "\:" after
# each "/" lets a long path break there rather than overflow its line.
foreach(quartelo4_chemin IN ITEMS LANCEUR PROGRAMME DOSSIER_DONNEES ENTREE)
  string(REPLACE "-" "\\-" quartelo4_troff "${QUARTELO4_${quartelo4_chemin}}")
  string(REPLACE "/" "/\\:" QUARTELO4_MAN_${quartelo4_chemin} "${quartelo4_troff}")
endforeach()
quartelo4_ecrire("${QUARTELO4_SOURCES_INSTALLATION}/quartelo4.6.in" "${quartelo4_man}/man6/quartelo4.6"
  FILE_PERMISSIONS ${quartelo4_lecture})
quartelo4_compresser("${quartelo4_man}/man6/quartelo4.6")
quartelo4_ecrire("${QUARTELO4_SOURCES_INSTALLATION}/quartelo4.fr.6.in" "${quartelo4_man}/fr/man6/quartelo4.6"
  FILE_PERMISSIONS ${quartelo4_lecture})
quartelo4_compresser("${quartelo4_man}/fr/man6/quartelo4.6")

quartelo4_ecrire("${QUARTELO4_SOURCES}/CHANGELOG.md" "${quartelo4_doc}/changelog"
  COPYONLY FILE_PERMISSIONS ${quartelo4_lecture})
quartelo4_compresser("${quartelo4_doc}/changelog")
if(QUARTELO4_DISPOSITION STREQUAL "debian")
  message(STATUS "Installing: $ENV{DESTDIR}${quartelo4_doc}/changelog.Debian")
  file(WRITE "$ENV{DESTDIR}${quartelo4_doc}/changelog.Debian"
"quartelo4 (${QUARTELO4_VERSION_PAQUET}) unstable; urgency=medium

  * Package of Quartelo 4 ${PROJECT_VERSION}, built with CPack.

 -- ${QUARTELO4_MAINTENEUR}  ${QUARTELO4_DATE_DEBIAN}
")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${quartelo4_doc}/changelog.Debian")
  quartelo4_compresser("${quartelo4_doc}/changelog.Debian")
  file(INSTALL "${QUARTELO4_SOURCES_INSTALLATION}/lintian-overrides"
    DESTINATION "${quartelo4_donnees}/lintian/overrides" RENAME quartelo4
    FILE_PERMISSIONS ${quartelo4_lecture})
endif()
