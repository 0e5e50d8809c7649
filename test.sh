#!/usr/bin/env bash
# Sets up and builds Corvane 32 with its tests, then runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" "$here/build-tests" -DCORVANE_BUILD_TESTS=ON
export QT_QPA_PLATFORM=offscreen
cd "$here/build-tests"
ctest --output-on-failure -j"$(nproc)" --timeout 600
