#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the two SPDX header lines at the top of every file git tracks that
has none yet, in the file's comment syntax:

    SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
    SPDX-License-Identifier: GPL-3.0-or-later

They go after a shebang line, and after nothing else. Left out: LICENSES/,
.reuse/, the files that .reuse/dep5 covers (pictures, data compared byte for
byte) and the files that already name their licence. A file of a kind the
script does not know stops it before anything is written.

    /usr/bin/python3 scripts/entetes-spdx.py [--check]

--check writes nothing and exits 1 if some file lacks its header.
"""

import fnmatch
import pathlib
import subprocess
import sys

# Written in two pieces so that reuse, reading this file, does not take
# them for this file's own header.
SPDX = "SPDX" "-"
LIGNES = (
    SPDX + "FileCopyrightText: 2026 Quartelo 4 contributors",
    SPDX + "License-Identifier: GPL-3.0-or-later",
)

# (test on the path, comment opening, comment closing)
SYNTAXES = (
    (lambda c: c.endswith((".cpp", ".h")), "// ", ""),
    (lambda c: c.endswith((".cmake", ".sh", ".sh.in", ".py", ".supp", ".desktop.in"))
     or c.rsplit("/", 1)[-1] in ("CMakeLists.txt", ".gitignore", "lintian-overrides")
     or c == ".ci/run", "# ", ""),
    (lambda c: c.endswith(".md"), "<!-- ", " -->"),
    (lambda c: c.endswith(".6.in"), '.\\" ', ""),
)


def motifs_dep5(racine):
    motifs = []
    for ligne in (racine / ".reuse" / "dep5").read_text(encoding="utf-8").splitlines():
        if ligne.startswith("Files:"):
            motifs += ligne.split()[1:]
    return motifs


def syntaxe(chemin):
    for essai, ouverture, fermeture in SYNTAXES:
        if essai(chemin):
            return ouverture, fermeture
    return None


def main():
    verifier = "--check" in sys.argv[1:]
    racine = pathlib.Path(
        subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True,
                       capture_output=True, text=True).stdout.strip())
    fichiers = subprocess.run(["git", "ls-files", "-z"], cwd=racine, check=True,
                              capture_output=True, text=True).stdout.split("\0")
    couverts = motifs_dep5(racine)
    a_faire, inconnus = [], []
    for chemin in filter(None, fichiers):
        if chemin.startswith(("LICENSES/", ".reuse/")):
            continue
        if any(fnmatch.fnmatchcase(chemin, motif) for motif in couverts):
            continue
        octets = (racine / chemin).read_bytes()
        if (SPDX + "License-Identifier:").encode() in octets:
            continue
        style = syntaxe(chemin)
        if style is None:
            inconnus.append(chemin)
        else:
            a_faire.append((chemin, octets, style))
    if inconnus:
        print("No comment syntax known for: " + ", ".join(inconnus)
              + "\nTeach this script their syntax, or, if they cannot hold a header"
              " (binary files, files compared byte for byte), cover them in .reuse/dep5.",
              file=sys.stderr)
        return 2
    if verifier:
        for chemin, _, _ in a_faire:
            print("no SPDX header: " + chemin)
        return 1 if a_faire else 0
    for chemin, octets, (ouverture, fermeture) in a_faire:
        texte = octets.decode("utf-8")
        shebang = ""
        if texte.startswith("#!"):
            shebang, _, texte = texte.partition("\n")
            shebang += "\n"
        entete = "".join(ouverture + ligne + fermeture + "\n" for ligne in LIGNES)
        # A blank line parts the header from the rest, or, when a script's
        # opening comment follows, an empty comment line.
        separation = "\n"
        if shebang and ouverture.strip() and texte.startswith(ouverture.strip()):
            separation = ouverture.strip() + "\n"
        (racine / chemin).write_bytes((shebang + entete + separation + texte).encode("utf-8"))
        print(chemin)
    return 0


if __name__ == "__main__":
    sys.exit(main())
