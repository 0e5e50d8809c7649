#!/usr/bin/env bash
# Sets up and builds Corvane 32, then starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" "$here/build" -DCORVANE_BUILD_TESTS=OFF
exec "$here/build/bin/corvane32"
