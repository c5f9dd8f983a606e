# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What makes the release's archives the same bytes from any build: read by
# the scripts that write them (source it).
#
#   fixer_epoque RACINE      exports SOURCE_DATE_EPOCH, if unset, as the time
#                            of the checkout's last commit (or now, outside
#                            a git checkout)
#   normaliser DOSSIER       every file and folder at that time, readable by
#                            all, writable by its owner only
#   zipper ARCHIVE DOSSIER   DOSSIER (a name in the current folder) zipped,
#                            its entries in byte order, times in UTC
#   tarer ARCHIVE DOSSIER    the same as a .tar.gz, owned by root

fixer_epoque() {
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(git -C "$1" log -1 --format=%ct 2>/dev/null || date +%s)"
  fi
  export SOURCE_DATE_EPOCH
}

normaliser() {
  chmod -R u+rwX,go+rX,go-w "$1"
  find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}

zipper() {
  rm -f "$1"
  find "$2" | LC_ALL=C sort | TZ=UTC zip -q -X -9 -@ "$1"
}

tarer() {
  rm -f "$1"
  tar --create --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$SOURCE_DATE_EPOCH" --clamp-mtime "$2" | gzip -9 -n > "$1"
}
