#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures and builds.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
# With CORVANE_TARGETS set (blank-separated), only those targets are built.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$here/build}"
shift || true

packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev
          fonts-liberation poppler-utils libxcb1-dev libcups2-dev cups libcsv-dev
          libqt6sql6-sqlite libqt6sql6-psql postgresql qt6-charts-dev)
"$here/scripts/ensure-packages.sh" "${packages[@]}"

cmake -S "$here" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
if [ -n "${CORVANE_TARGETS:-}" ]; then
  # shellcheck disable=SC2086
  cmake --build "$build_dir" -j"$(nproc)" --target $CORVANE_TARGETS
else
  cmake --build "$build_dir" -j"$(nproc)"
fi
