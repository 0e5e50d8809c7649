#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and runs each for
# a bounded time over a copy of its seed corpus. Exits non-zero when a target finds a crash;
# the crashing input is left in build-fuzz/findings/<target>/.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"
targets="fuzz_tables fuzz_pagefile"

if ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" ||
   ! command -v clang++ >/dev/null; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang libclang-rt-14-dev
fi

CORVANE_TARGETS="$targets" "$here/scripts/setup.sh" "$build" \
  -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_BUILD_TESTS=OFF -DCORVANE_FUZZ=ON

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1  # undefined behaviour is a finding too
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
status=0
for t in $targets; do
  corpus="$build/corpus/$t"
  findings="$build/findings/$t"
  mkdir -p "$corpus" "$findings"
  cp -n "$here/tests/fuzz/corpus/${t#fuzz_}/"* "$corpus/" 2>/dev/null || true
  echo "== $t for ${seconds}s"
  # An input that takes over 10 s, or a process over 1 GB or one allocation over 256 MB,
  # counts as a finding.
  if ! "$build/bin/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=256 \
        -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" 2>"$build/$t.log"; then
    tail -40 "$build/$t.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$build/$t.log" || true
  fi
done
exit $status
