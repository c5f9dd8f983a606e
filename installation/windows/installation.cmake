# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The game for Windows, and its portable folder.
#
#   cmake --install <build> --prefix "<folder>/Quartelo 4"
#
#   quartelo4.exe              the program, stripped, with its icon and version
#   images/                    its pictures, read from the working directory
#   LISEZMOI.txt               what the game is, how to start and play it
#   licences/                  the game's licences, and AVIS-TIERS.txt: the
#                              notices and licences of all it links (Qt and
#                              what Qt bundles, the compiler's run-time)
#
# scripts/windows.sh makes the zip and the installer of that folder.

# A program of the desktop (no console), entered through Qt's WinMain.
set_target_properties(quartelo4 PROPERTIES WIN32_EXECUTABLE ON)
target_link_options(quartelo4 PRIVATE -s)

# The icon, from the desktop icons the artwork program draws: every size of
# artwork/icones/, the largest kept as PNG inside the .ico.
find_program(QUARTELO4_ICOTOOL icotool REQUIRED)
mark_as_advanced(QUARTELO4_ICOTOOL)
file(GLOB quartelo4_icones "${PROJECT_SOURCE_DIR}/artwork/icones/*/quartelo4.png")
set(quartelo4_icones_bmp)
set(quartelo4_icones_png)
foreach(icone IN LISTS quartelo4_icones)
  get_filename_component(dossier "${icone}" DIRECTORY)
  get_filename_component(taille "${dossier}" NAME)
  if(taille STREQUAL "256x256")
    list(APPEND quartelo4_icones_png "--raw=${icone}")
  else()
    list(APPEND quartelo4_icones_bmp "${icone}")
  endif()
endforeach()
set(QUARTELO4_ICO "${CMAKE_CURRENT_BINARY_DIR}/quartelo4.ico")
add_custom_command(OUTPUT "${QUARTELO4_ICO}"
  COMMAND "${QUARTELO4_ICOTOOL}" -c -o "${QUARTELO4_ICO}" ${quartelo4_icones_bmp} ${quartelo4_icones_png}
  DEPENDS ${quartelo4_icones}
  COMMENT "Icône Windows quartelo4.ico"
  VERBATIM)
add_custom_target(quartelo4_icone DEPENDS "${QUARTELO4_ICO}")
add_dependencies(quartelo4 quartelo4_icone)
configure_file("${CMAKE_CURRENT_LIST_DIR}/quartelo4.rc.in" "${CMAKE_CURRENT_BINARY_DIR}/quartelo4.rc" @ONLY)
set_source_files_properties("${CMAKE_CURRENT_BINARY_DIR}/quartelo4.rc" PROPERTIES
  OBJECT_DEPENDS "${QUARTELO4_ICO}")
target_sources(quartelo4 PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/quartelo4.rc")

# The static Qt, and the Debian source it was built from.
get_filename_component(quartelo4_qt "${Qt6_DIR}/../../.." ABSOLUTE)
file(STRINGS "${quartelo4_qt}/avis/VERSION" QUARTELO4_VERSION_QT_DEBIAN LIMIT_COUNT 1)

# The texts of the folder, with Windows' line ends.
set(quartelo4_textes "${CMAKE_CURRENT_BINARY_DIR}/textes-windows")
function(quartelo4_texte_windows source destination)
  file(READ "${source}" contenu)
  string(CONFIGURE "${contenu}" contenu @ONLY)
  string(REPLACE "\r\n" "\n" contenu "${contenu}")
  string(REPLACE "\n" "\r\n" contenu "${contenu}")
  file(WRITE "${destination}" "${contenu}")
endfunction()
quartelo4_texte_windows("${CMAKE_CURRENT_LIST_DIR}/LISEZMOI.txt.in" "${quartelo4_textes}/LISEZMOI.txt")
foreach(licence GPL-3.0-or-later CC0-1.0)
  quartelo4_texte_windows("${PROJECT_SOURCE_DIR}/LICENSES/${licence}.txt" "${quartelo4_textes}/licences/${licence}.txt")
endforeach()

# The notices of what the program links, from the notices kept with the
# static Qt and Debian's description of the MinGW-w64 run-time.
find_program(QUARTELO4_PYTHON NAMES python3 REQUIRED)
mark_as_advanced(QUARTELO4_PYTHON)
execute_process(
  COMMAND "${QUARTELO4_PYTHON}" "${PROJECT_SOURCE_DIR}/installation/avis_tiers.py"
    "${quartelo4_qt}/avis" "${quartelo4_textes}/licences"
    "MinGW-w64 run-time and winpthreads=/usr/share/doc/mingw-w64-common/copyright"
    "GCC run-time libraries (libgcc, libstdc++)=/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright"
  COMMAND_ERROR_IS_FATAL ANY)

install(TARGETS quartelo4 RUNTIME DESTINATION .)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/images" DESTINATION .)
install(FILES "${quartelo4_textes}/LISEZMOI.txt" DESTINATION .)
install(DIRECTORY "${quartelo4_textes}/licences" DESTINATION .)
# Installing takes what is built: the tests need not be built first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
