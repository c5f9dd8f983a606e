#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the target and the working folder of a Windows shortcut (.lnk),
one a line, as the shell link format stores them."""
import struct
import sys

donnees = open(sys.argv[1], "rb").read()
drapeaux = struct.unpack_from("<I", donnees, 20)[0]
position = 76
if drapeaux & 0x01:  # a list of item identifiers
    position += 2 + struct.unpack_from("<H", donnees, position)[0]
cible = ""
if drapeaux & 0x02:  # link information: the local path of the target
    taille, entete = struct.unpack_from("<II", donnees, position)
    base = struct.unpack_from("<I", donnees, position + 16)[0]
    if entete >= 0x24:
        unicode_ = struct.unpack_from("<I", donnees, position + 28)[0]
        fin = donnees.index(b"\0\0", position + unicode_)
        fin += (fin - position - unicode_) % 2
        cible = donnees[position + unicode_:fin].decode("utf-16-le")
    else:
        cible = donnees[position + base:donnees.index(b"\0", position + base)].decode("mbcs" if sys.platform == "win32" else "latin-1")
    position += taille
chaines = {}
for bit, nom in ((0x04, "nom"), (0x08, "relatif"), (0x10, "dossier"), (0x20, "arguments"), (0x40, "icone")):
    if drapeaux & bit:
        n = struct.unpack_from("<H", donnees, position)[0]
        unite = 2 if drapeaux & 0x80 else 1
        brut = donnees[position + 2:position + 2 + n * unite]
        chaines[nom] = brut.decode("utf-16-le" if unite == 2 else "latin-1").rstrip("\0")
        position += 2 + n * unite
print(cible)
print(chaines.get("dossier", ""))
