#!/usr/bin/env bash
# Rewrites the sample reports in data/samples/ with crgen from a fixed seed:
# three successive turns of the player's party and the ally's view of the
# last one. Needs a build (scripts/build.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
crgen=${MAPRUNE_BUILD_DIR:-$root/build}/bin/crgen
out=$root/data/samples
mkdir -p "$out"
world=(--regions 240 --units-per-region 2 --parties 4 --seed 2026)
"$crgen" "${world[@]}" --turn 1 -o "$out/sample.cr"
"$crgen" "${world[@]}" --turn 2 -o "$out/sample-turn2.cr"
"$crgen" "${world[@]}" --turn 3 -o "$out/sample-turn3.cr"
"$crgen" "${world[@]}" --turn 3 --view ally -o "$out/sample-ally.cr"
