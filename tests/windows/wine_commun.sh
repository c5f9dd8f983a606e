# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the checks of the real Windows program share: finding its windows on
# the X screen Wine draws them on, clicking in them and comparing what they
# show with the game's pictures. Sourced; DISPLAY and WINEPREFIX are the
# caller's.

# Quiet Wine, which adds nothing to the desktop of the machine (menu
# entries, file associations) and downloads nothing.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

# Stops the check with a message.
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

# "ID X Y" of the visible window titled $1 whose inside is $2×$3 pixels (of
# any size without them), X and Y being where that inside lies on the
# screen; waits up to 60 s.
fenetre() {
  local titre="$1" largeur="${2:-}" hauteur="${3:-}" id geometrie
  for _ in $(seq 600); do
    for id in $(xdotool search --onlyvisible --name "^$titre\$" 2>/dev/null); do
      geometrie="$(xwininfo -id "$id")"
      if [ -z "$largeur" ] || { [ "$(sed -n 's/^ *Width: //p' <<<"$geometrie")" = "$largeur" ] \
        && [ "$(sed -n 's/^ *Height: //p' <<<"$geometrie")" = "$hauteur" ]; }; then
        echo "$id $(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$geometrie")" \
          "$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$geometrie")"
        return 0
      fi
    done
    sleep 0.1
  done
  echec "aucune fenêtre « $titre » de $largeur×$hauteur"
}

# A left click at ($2, $3) inside the window "ID X Y" given as $1.
cliquer() {
  local id x y
  read -r id x y <<<"$1"
  xdotool mousemove --sync $((x + $2)) $((y + $3)) click 1
  sleep 0.3
}

# Whether the square of $4 pixels at ($2, $3) inside the window "ID X Y"
# given as $1 shows exactly the picture $5.
montre() {
  local id x y
  read -r id x y <<<"$1"
  [ "$(import -silent -window root -crop "${4}x${4}+$((x + $2))+$((y + $3))" +repage \
        -depth 8 rgb:- | md5sum)" = "$(convert "$5" -depth 8 rgb:- | md5sum)" ]
}
