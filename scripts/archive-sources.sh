#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes the source archive that a Windows or browser build is made from,
# quartelo4-VERSION.tar.gz in FOLDER: the committed tree of a git
# checkout, or else the tree as it stands, build folders left out.
#
#   archive-sources.sh VERSION FOLDER
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
version="$1"
archive="$2/quartelo4-$version.tar.gz"
if git -C "$racine" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$racine" archive --prefix="quartelo4-$version/" -o "$archive" HEAD
else
  tar czf "$archive" -C "$(dirname "$racine")" \
    --exclude='build*' --transform="s,^$(basename "$racine"),quartelo4-$version," "$(basename "$racine")"
fi
