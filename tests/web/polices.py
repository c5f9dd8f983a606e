#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The fonts the browser's program embeds, against Qt's originals: every
# character of the game's texts is there; every glyph kept is drawn as in the
# original (outline, hinting, advance), and the hinting programs are the
# same; Bitstream Vera is the original itself.
#
#   polices.py ORIGINALES QRC SOURCE...
#
# QRC is the resource file the program's fonts are built from.

import pathlib
import re
import sys
import xml.etree.ElementTree as ET

from fontTools.ttLib import TTFont


def caracteres(sources):
    vus = set()
    for source in sources:
        texte = pathlib.Path(source).read_text(encoding="utf-8")
        for litteral in re.findall(r'"((?:[^"\\\n]|\\.)*)"', texte):
            vus.update(c for c in litteral if c.isprintable())
    return vus


# A glyph as drawn: its outline and instructions, or its parts by name and
# placement (glyph numbers differ between the two fonts).
def dessin(table, nom):
    glyphe = table[nom]
    if glyphe.isComposite():
        parties = [(c.glyphName, c.x, c.y, c.flags, str(getattr(c, "transform", None))) for c in glyphe.components]
        programme = glyphe.program.getBytecode() if hasattr(glyphe, "program") else b""
        return repr(parties).encode() + programme
    return glyphe.compile(table)


def main():
    originales, qrc = map(pathlib.Path, sys.argv[1:3])
    textes = caracteres(sys.argv[3:])
    fautes = []
    assert "é" in textes, "no text found in the sources"
    # Each font under the name Qt loads it by, from the file it is made of.
    embarquees = {f.get("alias") or f.text: qrc.parent / f.text for f in ET.parse(qrc).iter("file")}
    if sorted(embarquees) != sorted(p.name for p in originales.glob("*.ttf")):
        fautes.append(f"fonts embedded: {sorted(embarquees)}")
    if (originales / "Vera.ttf").read_bytes() != embarquees["Vera.ttf"].read_bytes():
        fautes.append("Vera.ttf differs from Qt's")
    for nom in ("DejaVuSans.ttf", "DejaVuSansMono.ttf"):
        avant, apres = TTFont(originales / nom), TTFont(embarquees[nom])
        table = apres.getBestCmap()
        manque = sorted(c for c in textes if ord(c) not in table)
        if manque:
            fautes.append(f"{nom}: no glyph for {''.join(manque)!r}")
        if apres["name"].getDebugName(1) != avant["name"].getDebugName(1):
            fautes.append(f"{nom}: family renamed")
        for programme in ("fpgm", "prep", "cvt "):
            if programme not in apres or apres[programme].compile(apres) != avant[programme].compile(avant):
                fautes.append(f"{nom}: {programme} differs")
        for code, glyphe in table.items():
            origine = avant.getBestCmap()[code]
            if (dessin(apres["glyf"], glyphe) != dessin(avant["glyf"], origine)
                    or apres["hmtx"][glyphe] != avant["hmtx"][origine]):
                fautes.append(f"{nom}: U+{code:04X} drawn differently")
    for faute in fautes:
        print(faute)
    sys.exit(1 if fautes else 0)


if __name__ == "__main__":
    main()
