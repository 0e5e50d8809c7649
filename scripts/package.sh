#!/usr/bin/env bash
# Builds the Debian package build-package/corvane32_<version>_amd64.deb with Debian's build
# flags, and the pictures that its AppStream metadata shows, to be published under the
# homepage (build-package/samples/preview.png, the print preview of a filled worksheet, and
# results.png, the results page), with that soldier's worksheet saved as a page file
# (build-package/samples/worksheet.tsr).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build-package"
# dpkg-shlibdeps computes the library dependencies; it asks file(1) which files are programs.
"$here/scripts/ensure-packages.sh" dpkg-dev file
# The optimisation and hardening flags a package built by debhelper gets.
"$here/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=None -DCORVANE_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCORVANE_TABLES_IN_ETC=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j"$(nproc)" --target samples
rm -f "$build"/corvane32_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/corvane32_*.deb
