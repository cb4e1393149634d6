#!/usr/bin/env bash
# Installs what is missing on a Debian machine and builds ZOL08 into build/.
# Sourced by starten.sh and testen.sh.
set -euo pipefail

ZOL_WURZEL="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ZOL_BUILD="${ZOL_BUILD:-$ZOL_WURZEL/build}"
# Parallel build jobs: all cores unless ZOL_JOBS says otherwise (several builds sharing one machine).

zol_pakete=(build-essential cmake ninja-build qt6-base-dev libjpeg-dev libgtest-dev
    libbenchmark-dev libgmp-dev xvfb xauth fonts-dejavu-core fonts-liberation2 qt6-translations-l10n clang poppler-utils)

zol_installiere_fehlende() {
    local fehlend=()
    for p in "${zol_pakete[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            fehlend+=("$p")
        fi
    done
    if [ ${#fehlend[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installiere: ${fehlend[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${fehlend[@]}"
}

zol_baue() {
    cmake -S "$ZOL_WURZEL" -B "$ZOL_BUILD" -G Ninja "$@"
    cmake --build "$ZOL_BUILD" --parallel "${ZOL_JOBS:-$(nproc)}"
}

zol_installiere_fehlende
