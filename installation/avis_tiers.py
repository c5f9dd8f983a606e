#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the notices of the third-party code linked into the Windows program,
or with --web into the browser's.

    avis_tiers.py [--web] QT_NOTICES OUTPUT_FOLDER [NAME=COPYRIGHT_FILE ...]

QT_NOTICES is the folder of Qt's notice material kept with the static Qt
(its LICENSES/ and, under src/, every qt_attribution.json with the licence
files beside it). OUTPUT_FOLDER receives AVIS-TIERS.txt, with Qt and each
component the program links, its copyright and its licence texts, and the
licence texts of Qt itself; then each NAME with the whole of its
COPYRIGHT_FILE (the compiler's run-time libraries, as Debian describes them).
The Windows file has Windows' line ends.
"""
import json
import pathlib
import sys

# What the program links of Qt's source: Qt Core, Qt GUI, Qt Widgets and the
# Windows plugins. The folders hold the attributions; the identifiers left
# out are those of other platforms.
DOSSIERS = """
src/corelib/text src/corelib/tools src/gui/painting src/gui/text
src/3rdparty/pcre2 src/3rdparty/double-conversion src/3rdparty/zlib
src/3rdparty/tinycbor src/3rdparty/easing src/3rdparty/md4 src/3rdparty/md5
src/3rdparty/sha1 src/3rdparty/sha3 src/3rdparty/rfc6234 src/3rdparty/blake2
src/3rdparty/libpng src/3rdparty/libjpeg src/3rdparty/freetype
src/3rdparty/harfbuzz-ng src/3rdparty/md4c src/3rdparty/pixman src/3rdparty/icc
""".split()
# The browser's program also carries the fonts that Qt embeds there.
DOSSIERS_WEB = ["src/3rdparty/wasm"]
LICENCES_QT = ["LGPL-3.0-only.txt", "GPL-3.0-only.txt", "GPL-2.0-only.txt", "Qt-GPL-exception-1.0.txt"]
TRAIT = "=" * 78


def attributions(dossier):
    donnees = json.loads((dossier / "qt_attribution.json").read_text(encoding="utf-8"), strict=False)
    return donnees if isinstance(donnees, list) else [donnees]


def texte(fichier):
    return fichier.read_text(encoding="utf-8", errors="replace").strip()


def main():
    arguments = sys.argv[1:]
    web = arguments[:1] == ["--web"]
    if web:
        arguments = arguments[1:]
    if len(arguments) < 2 or not all("=" in a for a in arguments[2:]):
        sys.exit(__doc__)
    source = pathlib.Path(arguments[0])
    sortie = pathlib.Path(arguments[1])
    version = (source / "VERSION").read_text(encoding="utf-8").strip()
    if web:
        parties = [
            "Quartelo 4 dans le navigateur contient, lié statiquement, le code des\n"
            "logiciels ci-dessous. Chacun est cité avec ses droits d'auteur et le texte de\n"
            "sa licence. (Quartelo 4 for the browser statically links the software below;\n"
            "each is listed with its copyright notices and licence texts.)",
            f"Qt {version.split('+')[0]} (Qt Core, Qt GUI, Qt Widgets, plugins for WebAssembly)\n"
            "https://www.qt.io/\n"
            "Copyright (C) The Qt Company Ltd. and other contributors.\n"
            "Licence: LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only; used here under\n"
            "GPL-3.0-only, as part of a program under GPL-3.0-or-later. Source: Debian's\n"
            f"source package qt6-base {version}, with its WebAssembly platform plugin\n"
            "modified (2026) for windows drawn smaller than their own pixels: the pointer's\n"
            "position in a window, and a floor to the device pixel ratio\n"
            "(installation/web/qt-fenetres-a-l-echelle.patch in the source archive), and\n"
            "built without MIME types (installation/web/qt-glisser-sans-types-mime.patch).\n"
            "Of the fonts that Qt embeds, DejaVu Sans and DejaVu Sans Mono are cut down to\n"
            "the Latin characters, punctuation and a few signs (fontTools); Bitstream Vera\n"
            "Sans is whole.",
        ]
    else:
        parties = [
            "Quartelo 4 pour Windows contient, lié statiquement, le code des logiciels\n"
            "ci-dessous. Chacun est cité avec ses droits d'auteur et le texte de sa licence.\n"
            "(Quartelo 4 for Windows statically links the software below; each is listed\n"
            "with its copyright notices and licence texts.)",
            f"Qt {version.split('+')[0]} (Qt Core, Qt GUI, Qt Widgets, plugins for Windows)\n"
            "https://www.qt.io/\n"
            "Copyright (C) The Qt Company Ltd. and other contributors.\n"
            "Licence: LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only; used here under\n"
            "GPL-3.0-only, as part of a program under GPL-3.0-or-later. Source: Debian's\n"
            f"source package qt6-base {version} (see LISEZMOI.txt).",
        ]
    for nom in LICENCES_QT:
        parties.append(f"Qt: {nom[:-4]}\n\n" + texte(source / "LICENSES" / nom))
    vus = set()
    for relatif in DOSSIERS + (DOSSIERS_WEB if web else []):
        dossier = source / relatif
        for a in attributions(dossier):
            if a["Id"] in vus:
                continue
            vus.add(a["Id"])
            lignes = [a.get("Name", a["Id"])]
            for cle in ("Version", "Homepage"):
                if a.get(cle):
                    lignes.append(f"{cle}: {a[cle]}")
            lignes.append("Licence: " + (a.get("LicenseId") or a.get("License", "")))
            if a.get("Copyright"):
                lignes.append("\n" + a["Copyright"].strip())
            if a.get("CopyrightFile"):
                lignes.append("\n" + texte(dossier / a["CopyrightFile"]))
            fichiers = a.get("LicenseFiles") or ([a["LicenseFile"]] if a.get("LicenseFile") else [])
            for fichier in fichiers:
                lignes.append("\n" + texte(dossier / fichier))
            parties.append("\n".join(lignes))
    for autre in arguments[2:]:
        nom, fichier = autre.split("=", 1)
        parties.append(nom + "\n\n" + texte(pathlib.Path(fichier)))
    sortie.mkdir(parents=True, exist_ok=True)
    contenu = ("\n\n" + TRAIT + "\n\n").join(parties) + "\n"
    # Windows' own line ends, for every editor there.
    if not web:
        contenu = contenu.replace("\n", "\r\n")
    (sortie / "AVIS-TIERS.txt").write_bytes(contenu.encode("utf-8"))


if __name__ == "__main__":
    main()
