#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Serves the site with Debian's nginx and the site's own configuration
# (installation/web/nginx-quartelo4.conf), on 127.0.0.1 only, in the
# foreground until it is stopped:
#
#   serveur.sh SITE PORT
set -euo pipefail
site="$(cd "$1" && pwd)"
port="$2"
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
sed -e "s|^\( *\)listen .*;|\1listen 127.0.0.1:$port;|" -e "s|^\( *\)root .*;|\1root $site;|" \
  "$ici/../../installation/web/nginx-quartelo4.conf" > "$travail/site.conf"
cat > "$travail/nginx.conf" <<FIN
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
daemon off;
user '$(id -un)';
worker_processes 1;
error_log stderr warn;
pid $travail/nginx.pid;
events { worker_connections 64; }
http {
    access_log $travail/acces.log;
    client_body_temp_path $travail/corps;
    proxy_temp_path $travail/proxy;
    fastcgi_temp_path $travail/fastcgi;
    uwsgi_temp_path $travail/uwsgi;
    scgi_temp_path $travail/scgi;
    sendfile on;
    include $travail/site.conf;
}
FIN
echo "Quartelo 4 : http://127.0.0.1:$port/"
nginx -p "$travail" -c "$travail/nginx.conf" &
serveur=$!
trap 'kill "$serveur" 2>/dev/null; wait "$serveur" 2>/dev/null; rm -rf "$travail"' EXIT INT TERM
wait "$serveur"
