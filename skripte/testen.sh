#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/einrichten.sh"
zol_baue
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$ZOL_BUILD"
ctest --output-on-failure --parallel "${ZOL_JOBS:-$(nproc)}"
