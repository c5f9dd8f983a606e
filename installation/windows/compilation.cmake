# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Building for Windows (cross-built with MinGW-w64 against a static Qt; see
# scripts/windows.sh): what every program of the build needs there.

# Every program, the game and the tests alike, needs no DLL but Windows'
# own: the compiler's run-time libraries (libgcc, libstdc++, winpthread) are
# linked in.
add_link_options(-static -static-libgcc -static-libstdc++)
# No link time in the programs' headers: the same sources give the same
# program.
add_link_options(LINKER:--no-insert-timestamp)

# Built on Linux, the test programs run under Wine: CTest starts them
# through a wrapper that hands their output back with Unix line ends.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-essai.sh")
endif()

# The test programs, and the artwork and screenshot programs they start, run
# offscreen as on Linux: a static Qt links only the default platform plugin
# (Windows'), so they also carry the offscreen one. Done once every target
# exists, at the end of the top folder.
function(quartelo4_plugin_hors_ecran dossier)
  get_property(cibles DIRECTORY "${dossier}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(cible IN LISTS cibles)
    get_target_property(type ${cible} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_property(TARGET ${cible} APPEND PROPERTY QT_PLUGINS Qt6::QOffscreenIntegrationPlugin)
    endif()
  endforeach()
  get_property(sous_dossiers DIRECTORY "${dossier}" PROPERTY SUBDIRECTORIES)
  foreach(sous_dossier IN LISTS sous_dossiers)
    quartelo4_plugin_hors_ecran("${sous_dossier}")
  endforeach()
endfunction()
function(quartelo4_plugins_des_essais)
  foreach(dossier tests artwork)
    quartelo4_plugin_hors_ecran("${PROJECT_SOURCE_DIR}/${dossier}")
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL quartelo4_plugins_des_essais)
