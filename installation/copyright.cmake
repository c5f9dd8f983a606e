# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The copyright file of the Debian package, in Debian's machine-readable
# format, written from the same facts as the REUSE information of the
# source tree: every file is GPL-3.0-or-later by its header, the metainfo
# CC0-1.0 by its header, and the files without room for a header are those
# of .reuse/dep5, whose paragraphs are copied as they are.

function(quartelo4_ecrire_copyright sources sortie)
  file(READ "${sources}/.reuse/dep5" texte)
  # A change of .reuse/dep5 configures the build again.
  set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${sources}/.reuse/dep5")
  # Without its comments, the first paragraph of .reuse/dep5 is the header,
  # the others name files.
  string(REGEX REPLACE "(^|\n)#[^\n]*" "\\1" texte "${texte}")
  string(REGEX REPLACE "\n\n+" "\n\n" texte "${texte}")
  string(FIND "${texte}" "\n\n" fin_entete)
  string(SUBSTRING "${texte}" 0 ${fin_entete} entete)
  string(SUBSTRING "${texte}" ${fin_entete} -1 fichiers)
  string(STRIP "${fichiers}" fichiers)
  set(detenteur "2026 Quartelo 4 contributors")
  file(WRITE "${sortie}" "${entete}

Files: *
Copyright: ${detenteur}
License: GPL-3.0-or-later

Files: installation/quartelo4.metainfo.xml.in
Copyright: ${detenteur}
License: CC0-1.0

${fichiers}

License: GPL-3.0-or-later
 This program is free software: you can redistribute it and/or modify
 it under the terms of the GNU General Public License as published by
 the Free Software Foundation, either version 3 of the License, or
 (at your option) any later version.
 .
 This program is distributed in the hope that it will be useful,
 but WITHOUT ANY WARRANTY; without even the implied warranty of
 MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the
 GNU General Public License for more details.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in \"/usr/share/common-licenses/GPL-3\".

License: CC0-1.0
 To the extent possible under law, the authors have dedicated all
 copyright and related and neighboring rights to this metadata to the
 public domain worldwide. It is distributed without any warranty.
 .
 On Debian systems, the complete text of the CC0 1.0 Universal license
 can be found in \"/usr/share/common-licenses/CC0-1.0\".
")
endfunction()
