# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Command-line tools around the computer player.

# Reading and writing positions as one line of text.
add_library(quartelo4_positions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/position_texte.cpp
)
target_include_directories(quartelo4_positions PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quartelo4_positions PUBLIC quartelo4_regles)

# quartelo4_analyse < positions: the search's column, values and calls.
add_executable(quartelo4_analyse ${CMAKE_CURRENT_LIST_DIR}/analyse.cpp)
target_link_libraries(quartelo4_analyse PRIVATE quartelo4_positions)

# quartelo4_generer_corpus > bench/corpus.txt: the benchmark positions.
add_executable(quartelo4_generer_corpus ${CMAKE_CURRENT_LIST_DIR}/generer_corpus.cpp)
target_link_libraries(quartelo4_generer_corpus PRIVATE quartelo4_positions)
