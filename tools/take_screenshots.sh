#!/usr/bin/env bash
# Pictures of the main window for docs/screenshots/: both programs, Chinese and
# English, each with jobs in the list and a print in progress on a virtual
# plotter running at a real machine's pace.
#   tools/take_screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshots}
mkdir -p "$out"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
for program in Pelvane Orvanta; do
  cli="$build/src/cli/$(echo "$program" | tr 'A-Z' 'a-z')-cli"
  for lang in 0 1; do
    name=$(echo "$program" | tr 'A-Z' 'a-z')-$([ "$lang" = 0 ] && echo zh || echo en)
    home=$(mktemp -d)
    bash scripts/demo-home.sh "$cli" "$home" "$lang"
    "$cli" --home "$home" emulate --port 0 --speed 1 > "$home/plotter.log" 2>&1 &
    plotter=$!
    port=""
    for _ in $(seq 1 100); do
      port=$(grep -o 'listening on [0-9.]*:[0-9]*' "$home/plotter.log" | sed 's/.*://' || true)
      [ -n "$port" ] && break
      sleep 0.1
    done
    mkdir -p "$home/DirAuto"
    cp resources/samples/shirt.plt "$home/DirAuto/1-shirt.plt"
    cp resources/samples/labels.plt "$home/DirAuto/2-labels.plt"
    cp resources/TestPlt/100x100.plt "$home/DirAuto/3-square.plt"
    "$build/src/app/$program" --home "$home" --port "$port" > "$home/window.log" 2>&1 &
    app=$!
    sleep "${SHOT_DELAY:-14}"
    scripts/window-screenshot.sh "$out/$name.png"
    kill "$app" "$plotter" 2>/dev/null || true
    wait "$app" "$plotter" 2>/dev/null || true
    rm -rf "$home"
    echo "$out/$name.png"
  done
done
