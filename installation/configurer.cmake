# Run by `cmake --install` (and so by CPack): writes the launcher and the
# desktop entry with the folders of this installation. The prefix is the one
# given at install time (--prefix, or the packaging prefix), and DESTDIR, when
# set, only moves where the files are written, not the folders they name.
#
# Set beforehand by installation.cmake: QUARTELO4_SOURCES_INSTALLATION and the
# GNUInstallDirs folders QUARTELO4_BINDIR, QUARTELO4_LIBEXECDIR, QUARTELO4_DATADIR.

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

set(QUARTELO4_DOSSIER_DONNEES "${quartelo4_donnees}/quartelo4")
set(QUARTELO4_PROGRAMME "${quartelo4_libexec}/quartelo4/quartelo4")
set(QUARTELO4_LANCEUR "${quartelo4_bin}/quartelo4")

set(quartelo4_entree "${quartelo4_donnees}/applications/quartelo4.desktop")

foreach(quartelo4_fichier IN ITEMS "${QUARTELO4_LANCEUR}" "${quartelo4_entree}")
  string(REGEX MATCH "[\"$`\\\n]" quartelo4_interdit "${quartelo4_fichier}")
  if(quartelo4_interdit)
    message(FATAL_ERROR "Quartelo 4 cannot be installed under a folder whose name holds quotes, backslashes, dollars or back quotes: ${quartelo4_fichier}")
  endif()
endforeach()

message(STATUS "Installing: $ENV{DESTDIR}${QUARTELO4_LANCEUR}")
configure_file("${QUARTELO4_SOURCES_INSTALLATION}/quartelo4.sh.in" "$ENV{DESTDIR}${QUARTELO4_LANCEUR}" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
message(STATUS "Installing: $ENV{DESTDIR}${quartelo4_entree}")
configure_file("${QUARTELO4_SOURCES_INSTALLATION}/quartelo4.desktop.in" "$ENV{DESTDIR}${quartelo4_entree}" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${QUARTELO4_LANCEUR}" "$ENV{DESTDIR}${quartelo4_entree}")
