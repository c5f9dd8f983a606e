# The fast search: bit sets and a table of searched nodes.
find_package(Threads REQUIRED)
target_sources(quartelo4_regles PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitboard.h
  ${CMAKE_CURRENT_LIST_DIR}/evaluation_rapide.h
  ${CMAKE_CURRENT_LIST_DIR}/evaluation_rapide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recherche_rapide.h
  ${CMAKE_CURRENT_LIST_DIR}/recherche_rapide.cpp
)
target_link_libraries(quartelo4_regles PUBLIC Threads::Threads)
