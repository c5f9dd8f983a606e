# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run once the program is linked (cmake -DPROGRAMME=<folder>/quartelo4 -P):
# the package of the pictures named in the program's JavaScript by a UUID
# drawn from the package's contents, where emscripten draws one at random,
# so that the same sources give the same program. (The UUID keys a copy of
# the package in the browser's database, which the game does not keep.)
file(SHA256 "${PROGRAMME}.data" empreinte)
string(REGEX REPLACE "^(........)(....)(....)(....)(............).*$" "\\1-\\2-\\3-\\4-\\5" uuid "${empreinte}")
file(READ "${PROGRAMME}.js" code)
string(REGEX REPLACE "\"package_uuid\": *\"[0-9a-f-]+\"" "\"package_uuid\": \"${uuid}\"" nouveau "${code}")
if(nouveau STREQUAL code AND NOT code MATCHES "\"package_uuid\": *\"${uuid}\"")
  message(FATAL_ERROR "${PROGRAMME}.js names no package_uuid")
endif()
file(WRITE "${PROGRAMME}.js" "${nouveau}")
