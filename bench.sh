#!/usr/bin/env bash
# Sets up and builds the benchmarks (optimised), then runs every one of them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" "$here/build-bench" -DCMAKE_BUILD_TYPE=Release \
  -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
for b in "$here"/build-bench/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true "$@"
done
