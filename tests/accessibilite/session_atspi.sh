#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command inside a desktop session of its own: an X server (Xvfb) on
# a free display, a D-Bus session bus and the AT-SPI accessibility bus. All
# three are stopped when the command ends, whatever way it ends. The
# command's exit status is the script's. The environment (sanitizer options
# among it) passes through unchanged, with DISPLAY and the bus addresses set.
#
#   session_atspi.sh <command> [arguments...]
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 <command> [arguments...]" >&2; exit 2; }

base="$(mktemp -d)"
# A runtime folder of the session's own, as a desktop session has.
mkdir -m 700 "$base/execution"
export XDG_RUNTIME_DIR="$base/execution"
pid_x=""
pid_lanceur=""
DBUS_SESSION_BUS_PID=""

arreter() {
  local pid="$1"
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
}

nettoyer() {
  arreter "$pid_lanceur"
  arreter "$DBUS_SESSION_BUS_PID"
  arreter "$pid_x"
  wait 2>/dev/null || true
  rm -rf "$base"
}
trap nettoyer EXIT
trap 'exit 130' INT TERM

# Waits up to 30 s for a condition given as a command.
attendre() {
  for _ in $(seq 300); do
    if "$@"; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# The X server picks a free display and writes its number. It must not
# reset when its last client leaves, or the bus launcher's property on the
# root window would go and a client connecting meanwhile would be refused.
: >"$base/affichage"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$base/affichage" >"$base/xvfb.log" 2>&1 &
pid_x=$!
if ! attendre test -s "$base/affichage"; then
  echo "Xvfb did not start:" >&2
  cat "$base/xvfb.log" >&2
  exit 1
fi
DISPLAY=":$(head -n 1 "$base/affichage")"
export DISPLAY

eval "$(dbus-launch --sh-syntax)"
export DBUS_SESSION_BUS_ADDRESS

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$base/atspi.log" 2>&1 &
pid_lanceur=$!
bus_pret() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1
}
if ! attendre bus_pret; then
  echo "the AT-SPI bus did not start:" >&2
  cat "$base/atspi.log" >&2
  exit 1
fi

statut=0
"$@" || statut=$?
exit "$statut"
