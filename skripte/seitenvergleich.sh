#!/usr/bin/env bash
# Compares the pages of the full-request benchmark's functions and of its generated set of school requests
# (bench/Anfrage.cpp, run with --seiten) between a commit and the working tree: a speed-up must leave every
# page as it was.
#   ./skripte/seitenvergleich.sh COMMIT
# The commit is checked out into build-vergleich/baum and built there; both page texts land in
# build-vergleich/ (vorher.txt, nachher.txt). Exit status 1 when they differ.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/einrichten.sh"
commit="$1"
ziel="$ZOL_WURZEL/build-vergleich"
mkdir -p "$ziel"
if [ ! -d "$ziel/baum" ]; then
    git -C "$ZOL_WURZEL" worktree add --detach "$ziel/baum" "$commit"
else
    git -C "$ziel/baum" checkout --detach "$commit"
fi
for seite in vorher nachher; do
    quelle="$ZOL_WURZEL"
    [ "$seite" = vorher ] && quelle="$ziel/baum"
    cmake -S "$quelle" -B "$quelle/build" -G Ninja >/dev/null
    cmake --build "$quelle/build" --parallel "${ZOL_JOBS:-4}" --target bench_Anfrage
    "$quelle/build/bench_Anfrage" --seiten >"$ziel/$seite.txt"
done
diff -u "$ziel/vorher.txt" "$ziel/nachher.txt" && echo "Seiten gleich."
