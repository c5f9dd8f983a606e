# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Building for the browser (emscripten against a static Qt for WebAssembly;
# see scripts/web.sh): the game, with what the browser does differently in
# plateforme_web.cpp, and the analysis tool, run by Node.js.
set(QUARTELO4_NAVIGATEUR ON)

# Once the game exists: Asyncify, with room for the deepest suspension (a
# computer's move inside a computer's move, down to the end-of-game
# message), and the pictures packed beside it, read from /images as the
# desktop reads images/ in its working folder.
function(quartelo4_navigateur cible)
  target_link_options(${cible} PRIVATE
    "SHELL:-s ASYNCIFY=1"
    "SHELL:-s ASYNCIFY_STACK_SIZE=262144"
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/images@/images")
  set_property(TARGET ${cible} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/images)
endfunction()
