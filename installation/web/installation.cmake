# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The game for the browser, as a static site.
#
#   cmake --install <build> --prefix <site>
#
#   index.html, chargeur.js      the page and its loader (progress, messages,
#                                the closed game and « Rejouer »)
#   quartelo4.js, .wasm, .data   the program and its pictures
#   site.js                      the version and the files of the site, read by
#                                the page and by the service worker
#   service-worker.js,           the site installable and playable offline
#   manifest.webmanifest, icones/
#   licences/                    the game's licence, and AVIS-TIERS.txt: the
#                                notices and licences of all the program links
#
# scripts/web.sh writes the source archive beside them, precompresses the
# site and tests it in Chromium.

get_filename_component(quartelo4_qt "${Qt6_DIR}/../../.." ABSOLUTE)
set(quartelo4_site "${CMAKE_CURRENT_BINARY_DIR}/textes-web")
find_program(QUARTELO4_PYTHON NAMES python3 REQUIRED)
mark_as_advanced(QUARTELO4_PYTHON)
execute_process(
  COMMAND "${QUARTELO4_PYTHON}" "${PROJECT_SOURCE_DIR}/installation/avis_tiers.py" --web
    "${quartelo4_qt}/avis" "${quartelo4_site}/licences"
    "emscripten's run-time: its JavaScript library, musl, libc++, libc++abi, compiler-rt and dlmalloc=/usr/share/doc/emscripten/copyright"
  COMMAND_ERROR_IS_FATAL ANY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/index.html.in" "${quartelo4_site}/index.html" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/manifest.webmanifest.in" "${quartelo4_site}/manifest.webmanifest" @ONLY)

set(quartelo4_programme "$<TARGET_FILE_DIR:quartelo4>/quartelo4")
install(FILES
  "${quartelo4_site}/index.html"
  "${quartelo4_site}/manifest.webmanifest"
  "${CMAKE_CURRENT_LIST_DIR}/chargeur.js"
  "${CMAKE_CURRENT_LIST_DIR}/service-worker.js"
  "${quartelo4_programme}.js" "${quartelo4_programme}.wasm" "${quartelo4_programme}.data"
  DESTINATION .)
foreach(cote 32 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/artwork/icones/${cote}x${cote}/quartelo4.png"
    DESTINATION icones RENAME "quartelo4-${cote}.png")
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt" DESTINATION licences)
install(FILES "${quartelo4_site}/licences/AVIS-TIERS.txt" DESTINATION licences)
# The list of the site's files with their sizes, and a version drawn from
# their contents: the page counts the bytes of its download against it, the
# service worker keeps these files, under that version, for the next visits.
install(CODE "
  set(site \"\${CMAKE_INSTALL_PREFIX}\")
  file(GLOB_RECURSE fichiers RELATIVE \"\${site}\" \"\${site}/*\")
  list(FILTER fichiers EXCLUDE REGEX \"(^site\\\\.js|\\\\.(br|gz))$\")
  list(SORT fichiers)
  set(liste \"\")
  set(empreintes \"\")
  foreach(fichier IN LISTS fichiers)
    file(SIZE \"\${site}/\${fichier}\" taille)
    file(SHA256 \"\${site}/\${fichier}\" empreinte)
    string(APPEND liste \"    \\\"\${fichier}\\\": \${taille},\\n\")
    string(APPEND empreintes \"\${empreinte}\")
  endforeach()
  string(SHA256 version \"\${empreintes}\")
  string(SUBSTRING \"\${version}\" 0 16 version)
  file(WRITE \"\${site}/site.js\" \"// Written by the build: the files of this version of the site, with their sizes.\\nself.QUARTELO4_SITE = {\\n  version: \\\"${PROJECT_VERSION}-\${version}\\\",\\n  fichiers: {\\n\${liste}  },\\n};\\n\")
")
