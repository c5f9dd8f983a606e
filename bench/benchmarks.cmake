# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# quartelo4_bench: timings of the computer player's search (Google Benchmark).
# A cross build, which has no Google Benchmark of its target, goes without.
if(CMAKE_CROSSCOMPILING)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    return()
  endif()
else()
  find_package(benchmark REQUIRED)
endif()

add_executable(quartelo4_bench ${CMAKE_CURRENT_LIST_DIR}/recherche_bench.cpp)
target_link_libraries(quartelo4_bench PRIVATE quartelo4_positions benchmark::benchmark)
target_compile_definitions(quartelo4_bench PRIVATE
  QUARTELO4_CORPUS="${PROJECT_SOURCE_DIR}/bench/corpus.txt")
