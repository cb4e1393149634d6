#!/usr/bin/env bash
# Fuzzes the term parser, the headless request and the self-test procedures (the set parser first) with libFuzzer (clang, ASan, UBSan) for a given time.
#   ./skripte/fuzzen.sh [Sekunden je Ziel, 60] [Ziel: Parser, Anfrage, Selbsttest; ohne: alle]
# Builds into build-fuzz/; works on a copy of the committed seed corpus (build-fuzz/korpus-<Ziel>/), so the
# committed corpus changes only by hand. Findings land in build-fuzz/funde-<Ziel>/. Inputs are at most 200
# bytes; one that takes more than 30 s counts as a finding (sanitizers and coverage make this build up to
# forty times slower than a release build: replay a slow input with build-rel/wiederhole_<Ziel>). A finding
# worth keeping goes to fuzz/reproduktionen/<ziel>/, which .ci/run replays.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/einrichten.sh"
sekunden="${1:-60}"
ziele=("${2:-Parser}")
[ $# -ge 2 ] || ziele=(Parser Anfrage Selbsttest)

# Only the fuzz targets are built: clang need not compile the tests.
CXX=clang++ cmake -S "$ZOL_WURZEL" -B "$ZOL_WURZEL/build-fuzz" -G Ninja -DZOL_NUR_KERN=ON -DZOL_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$ZOL_WURZEL/build-fuzz" --parallel "${ZOL_JOBS:-$(nproc)}" --target fuzz_Parser fuzz_Anfrage fuzz_Selbsttest
for ziel in "${ziele[@]}"; do
    klein="${ziel,,}"
    korpus="$ZOL_WURZEL/build-fuzz/korpus-$ziel"
    funde="$ZOL_WURZEL/build-fuzz/funde-$ziel"
    mkdir -p "$korpus" "$funde"
    cp -n "$ZOL_WURZEL/fuzz/korpus/$klein/"* "$korpus/"
    echo "Fuzzen: $ziel, $sekunden s"
    ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=64 "$ZOL_WURZEL/build-fuzz/fuzz_$ziel" "$korpus" \
        -max_total_time="$sekunden" -timeout=30 -max_len=200 -rss_limit_mb=8192 \
        -artifact_prefix="$funde/" -print_final_stats=1 || true
done
