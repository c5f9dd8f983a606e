#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program of the build under Wine, for CTest: its standard
# output and error come back with Unix line ends, its exit status unchanged.
# The Wine prefix and the display are the caller's (scripts/windows.sh).
set -o pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
# Offscreen, Qt reads its fonts from one folder: DejaVu, as on Linux.
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/dejavu}"
wine "$@" 2> >(tr -d '\r' >&2) | tr -d '\r'
