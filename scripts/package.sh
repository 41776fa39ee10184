#!/usr/bin/env bash
# Builds the programs in Release and makes the Debian packages, one per
# edition:  package.sh [BUILD_DIR]   (default build-release; the .deb files
# are left in that folder).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${1:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPV_BUILD_TESTS=OFF -DPV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/*.deb
