#!/usr/bin/env bash
# The long fuzzing runs, for a scheduled job or by hand, not for CI (CI runs
# each target briefly through ctest): builds the libFuzzer targets with clang
# in build-fuzz, then runs each target for FUZZ_SECONDS (default 600) over a
# copy of its seed corpus, one target at a time, at the lowest priority.
# The KDF target also gets a saved database of 400 regions as a seed and
# inputs up to 1 MB. Prints for each target the executions, the coverage
# and the findings; exits 1 when any target found a crash, leak or timeout.
#   scripts/fuzz.sh [TARGET...]     (default: every fuzz/*.cpp)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz=${MAPRUNE_FUZZ_DIR:-$root/build-fuzz}
build=${MAPRUNE_BUILD_DIR:-$root/build}
seconds=${FUZZ_SECONDS:-600}
jobs=$(nproc 2>/dev/null || echo 2)

CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" -DMAPRUNE_FUZZ=ON -DMAPRUNE_GUI=OFF \
  -DMAPRUNE_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$fuzz" -j "$jobs" --target fuzz_targets

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in "$root"/fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# A database of some size, so that the KDF target starts from real records.
seed_kdf() {
  local dir=$1
  cmake -S "$root" -B "$build" >/dev/null
  nice -n 19 cmake --build "$build" -j "$jobs" --target crgen maprune-cli >/dev/null
  "$build/bin/crgen" --regions 400 --units-per-region 2 --seed 7 -o "$dir/seed.cr"
  "$build/bin/maprune-cli" convert "$dir/seed.cr" "$dir/seed-400-regions.kdf" >/dev/null
  rm "$dir/seed.cr"
}

summary=()
found=0
for target in "${targets[@]}"; do
  run="$fuzz/long_$target"
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/findings"
  cp -r "$root/fuzz/corpus/$target/." "$run/corpus/"
  max_len=65536
  if [ "$target" = kdf_reader ]; then
    seed_kdf "$run/corpus"
    max_len=1048576
  fi
  echo "== $target: $seconds s, inputs up to $max_len bytes"
  status=0
  ASAN_OPTIONS=detect_leaks=1 nice -n 19 "$fuzz/bin/fuzz_$target" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$run/findings/" "$run/corpus" >"$run/log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$run/log" | tail -1)
  findings=$(find "$run/findings" -type f | wc -l)
  [ "$status" -ne 0 ] && [ "$findings" -eq 0 ] && findings="exit $status, see $run/log"
  [ "$findings" != 0 ] && found=1
  summary+=("$target: ${executions:-?} executions, ${coverage:-no coverage line}, findings: $findings")
done

echo
echo "Fuzzing, $seconds s per target:"
printf '  %s\n' "${summary[@]}"
exit "$found"
