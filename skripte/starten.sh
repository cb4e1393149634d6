#!/usr/bin/env bash
# Sets up, builds and starts ZOL08.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/einrichten.sh"
zol_baue
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kein Bildschirm gefunden: ZOL08 läuft unter Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$ZOL_BUILD/zol08"
fi
exec "$ZOL_BUILD/zol08"
