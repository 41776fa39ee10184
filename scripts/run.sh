#!/usr/bin/env bash
# Builds the programs and runs the main job on built-in defaults: a virtual
# plotter stands in for the machine, the bundled sample pattern is read,
# prepared and printed through it, and the plotter's record of what it was
# told to ink and cut is left for you to look at.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
cli="$build/src/cli/pelvane-cli"
home="$build/demo-home"
record="$home/plotter-record"
rm -rf "$record"
mkdir -p "$home"
sample=resources/samples/shirt.plt

"$cli" --home "$home" render "$sample" -o "$home/shirt-preview.png"

# The virtual plotter listens on a free loopback port and ends after one job.
log="$home/plotter.log"
"$cli" --home "$home" emulate --port 0 --record "$record" --jobs 1 > "$log" 2>&1 &
plotter=$!
trap 'kill "$plotter" 2>/dev/null || true' EXIT
address=""
for _ in $(seq 1 100); do
  address=$(grep -o 'listening on [0-9.]*:[0-9]*' "$log" | awk '{print $3}' || true)
  [ -n "$address" ] && break
  sleep 0.1
done
[ -n "$address" ] || { echo "the virtual plotter did not start:"; cat "$log"; exit 1; }

"$cli" --home "$home" print "$sample" --machine "$address"
wait "$plotter" || true
trap - EXIT

echo
echo "Preview of the pattern:        $home/shirt-preview.png"
echo "What the plotter inked:        $(ls "$record"/job-*/ink.png)"
echo "What it cut (knife records):   $(ls "$record"/job-*/cuts.json)"
echo "Start the window program with: $build/src/app/Pelvane"
