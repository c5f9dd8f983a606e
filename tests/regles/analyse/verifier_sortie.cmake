# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a program with a given standard input and checks its standard output
# (exactly), its exit status and the line numbers named on its error output.
#
#   cmake -DPROGRAMME=... [-DARGUMENTS=a,b] [-DENTREE=file] [-DATTENDU=file]
#         [-DCONTIENT=text] -DCODE=n [-DLIGNES_FAUTIVES=8,9,...] -P verifier_sortie.cmake

# EMULATEUR: what runs a program of a cross build (Wine), empty otherwise.
set(commande ${EMULATEUR} "${PROGRAMME}")
if(DEFINED ARGUMENTS AND NOT ARGUMENTS STREQUAL "")
  string(REPLACE "," ";" arguments "${ARGUMENTS}")
  list(APPEND commande ${arguments})
endif()
if(DEFINED ENTREE)
  execute_process(COMMAND ${commande} INPUT_FILE "${ENTREE}"
                  OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs RESULT_VARIABLE code)
else()
  execute_process(COMMAND ${commande}
                  OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs RESULT_VARIABLE code)
endif()

set(echec "")
if(NOT "${code}" STREQUAL "${CODE}")
  string(APPEND echec "exit status ${code}, expected ${CODE}\n")
endif()
if(DEFINED ATTENDU)
  file(READ "${ATTENDU}" attendu)
  if(NOT sortie STREQUAL attendu)
    string(APPEND echec "standard output differs.\n--- expected:\n${attendu}--- got:\n${sortie}\n")
  endif()
endif()
if(DEFINED CONTIENT)
  string(FIND "${sortie}" "${CONTIENT}" position)
  if(position EQUAL -1)
    string(APPEND echec "standard output lacks \"${CONTIENT}\"\n")
  endif()
endif()
if(DEFINED LIGNES_FAUTIVES)
  string(REPLACE "," ";" lignes "${LIGNES_FAUTIVES}")
  foreach(ligne IN LISTS lignes)
    string(FIND "${erreurs}" "ligne ${ligne} :" position)
    if(position EQUAL -1)
      string(APPEND echec "no message names line ${ligne}\n")
    endif()
  endforeach()
  # One message per bad line, no more.
  string(REGEX MATCHALL "\n" retours "${erreurs}")
  list(LENGTH retours nombreMessages)
  list(LENGTH lignes nombreLignes)
  if(NOT nombreMessages EQUAL nombreLignes)
    string(APPEND echec "${nombreMessages} error lines for ${nombreLignes} bad lines\n")
  endif()
endif()

if(NOT echec STREQUAL "")
  message(FATAL_ERROR "${echec}--- error output:\n${erreurs}")
endif()
