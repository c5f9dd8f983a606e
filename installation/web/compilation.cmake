# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Building for the browser (emscripten against a static Qt for WebAssembly;
# see scripts/web.sh): the game, with what the browser does differently in
# plateforme_web.cpp, and the analysis tool, run by Node.js.
set(QUARTELO4_NAVIGATEUR ON)

# Once the game exists: Asyncify, on the functions of suspensions.txt only,
# with room for the deepest suspension (a computer's move inside a
# computer's move, down to the end-of-game message), and the pictures packed
# beside it, read from /images as the desktop reads images/ in its working
# folder, and named in the program by its contents.
function(quartelo4_navigateur cible)
  set(liste ${PROJECT_SOURCE_DIR}/installation/web/suspensions.txt)
  file(STRINGS ${liste} noms REGEX "^[^#]")
  list(JOIN noms "\n" noms)
  set(reponse ${CMAKE_CURRENT_BINARY_DIR}/${cible}-suspensions.txt)
  file(CONFIGURE OUTPUT ${reponse} CONTENT "${noms}\n" @ONLY)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${liste})
  target_link_options(${cible} PRIVATE
    "SHELL:-s ASYNCIFY=1"
    "SHELL:-s ASYNCIFY_ONLY=@${reponse}"
    "SHELL:-s ASYNCIFY_STACK_SIZE=262144"
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/images@/images")
  set_property(TARGET ${cible} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/images ${reponse})
  add_custom_command(TARGET ${cible} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DPROGRAMME=$<TARGET_FILE_DIR:${cible}>/${cible}
      -P ${PROJECT_SOURCE_DIR}/installation/web/empreinte-des-images.cmake
    VERBATIM)
endfunction()

# Qt's platform plugin embeds its three fonts whole: 560 kB of the program,
# compressed already, for a game that writes French in DejaVu Sans. The two
# DejaVu fonts, cut down by fontTools to the Latin letters, punctuation and a
# few signs, take their place under the same names: every glyph kept is the
# same, with its hinting, and kerning and ligatures between kept glyphs.
# Bitstream Vera stays whole: its licence lets only a renamed font change.
function(quartelo4_polices_reduites cible)
  set(originales ${QT6_INSTALL_PREFIX}/polices)
  set(dossier ${CMAKE_CURRENT_BINARY_DIR}/polices)
  set(caracteres "U+0020-007E,U+00A0-017F,U+0192,U+02C6-02DD,U+2000-206F,U+20AC,U+2122,U+2190-2195,U+2212,U+FFFD")
  set(polices)
  foreach(police DejaVuSansMono DejaVuSans)
    add_custom_command(OUTPUT ${dossier}/${police}.ttf
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
      COMMAND /usr/bin/python3 -m fontTools.subset ${originales}/${police}.ttf
        --unicodes=${caracteres} --layout-features=* --name-IDs=* --name-languages=*
        --legacy-kern --notdef-outline --glyph-names --drop-tables= --passthrough-tables
        --output-file=${dossier}/${police}.ttf
      DEPENDS ${originales}/${police}.ttf
      VERBATIM)
    list(APPEND polices ${dossier}/${police}.ttf)
  endforeach()
  # In the order Qt loads them.
  file(CONFIGURE OUTPUT ${dossier}/wasmfonts.qrc CONTENT [=[
<RCC>
  <qresource prefix="/fonts">
    <file>DejaVuSansMono.ttf</file>
    <file alias="Vera.ttf">@originales@/Vera.ttf</file>
    <file>DejaVuSans.ttf</file>
  </qresource>
</RCC>
]=] @ONLY)
  add_custom_command(OUTPUT ${dossier}/qrc_wasmfonts.cpp
    COMMAND Qt6::rcc --name wasmfonts --output ${dossier}/qrc_wasmfonts.cpp ${dossier}/wasmfonts.qrc
    DEPENDS ${dossier}/wasmfonts.qrc ${polices} ${originales}/Vera.ttf
    VERBATIM)
  add_library(quartelo4_polices OBJECT ${dossier}/qrc_wasmfonts.cpp)
  # Qt's own copy is left out of the link; the program's takes its place.
  set_target_properties(Qt6::QWasmIntegrationPlugin_resources_1 PROPERTIES IMPORTED_OBJECTS_RELEASE "")
  target_link_libraries(${cible} PRIVATE quartelo4_polices)
endfunction()
