#!/usr/bin/env bash
# Builds the programs and runs the main job on built-in defaults: reads the
# bundled sample pattern, prints what was read and leaves a preview picture.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
home="$build/demo-home"
mkdir -p "$home"
sample=resources/samples/shirt.plt
"$build/src/cli/pelvane-cli" --home "$home" read "$sample" > "$home/shirt.json"
"$build/src/cli/pelvane-cli" --home "$home" render "$sample" -o "$home/shirt.png"
echo "Read $(grep -o '"kind"' "$home/shirt.json" | wc -l) curves from $sample"
echo "Preview: $home/shirt.png"
