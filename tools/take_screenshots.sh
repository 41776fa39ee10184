#!/usr/bin/env bash
# Pictures of the main window for docs/screenshots/: both programs in every
# interface language they have (Pelvane: Chinese, English, Turkish, Ukrainian,
# Russian, Vietnamese, Polish; Orvanta: the first five), each with jobs in the
# list and a print in progress on a virtual plotter running at a real
# machine's pace.  Names: <program>-<language>.png, e.g. pelvane-uk.png.
#   tools/take_screenshots.sh BUILD_DIR [OUT_DIR]
# LANGUAGES="0 1" limits the run to those `Language` values.  Then, at the
# same 1280 × 800 screen: the two-head program in Chinese with the ink
# statistic on while printing (pelvane-zh-ink.png) and both programs with
# the training plotter's pane (training-plotter-<program>.png).  SCENES=no
# leaves those out.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshots}
mkdir -p "$out"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
# `Language` value -> file name part.
codes=(zh en tr uk ru vi pl)
# One picture of a program printing the sample patterns from its automatic
# folder:  shot PROGRAM LANGUAGE OUT.png [WINDOW OPTION]... [-- KEY=VALUE...]
shot() {
  local program=$1 lang=$2 picture=$3
  shift 3
  local options=() settings=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
  [ "${1:-}" = -- ] && shift
  settings=("$@")
  local cli home plotter app port
  cli="$build/src/cli/$(echo "$program" | tr 'A-Z' 'a-z')-cli"
  home=$(mktemp -d)
  bash scripts/demo-home.sh "$cli" "$home" "$lang" "${settings[@]}"
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
  "$build/src/app/$program" --home "$home" --port "$port" "${options[@]}" > "$home/window.log" 2>&1 &
  app=$!
  sleep "${SHOT_DELAY:-14}"
  scripts/window-screenshot.sh "$out/$picture"
  kill "$app" "$plotter" 2>/dev/null || true
  wait "$app" "$plotter" 2>/dev/null || true
  rm -rf "$home"
  echo "$out/$picture"
}

if [ "${SCENES:-yes}" != no ]; then
  shot Pelvane 0 pelvane-zh-ink.png -- EnableInkVolumStatistic=1
  shot Pelvane 1 training-plotter-pelvane.png --training-plotter
  shot Orvanta 1 training-plotter-orvanta.png --training-plotter
fi

for program in Pelvane Orvanta; do
  count=7
  [ "$program" = Orvanta ] && count=5
  for lang in $(seq 0 $((count - 1))); do
    if [ -n "${LANGUAGES:-}" ] && [[ " $LANGUAGES " != *" $lang "* ]]; then continue; fi
    shot "$program" "$lang" "$(echo "$program" | tr 'A-Z' 'a-z')-${codes[$lang]}.png"
  done
done
