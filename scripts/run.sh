#!/usr/bin/env bash
# Builds the programs and starts the window program on built-in defaults: a
# virtual plotter on 127.0.0.1 at the machine's port stands in for the
# machine, and a demo program directory points the window at it over
# Ethernet, with the sample patterns beside it (samples/).  Add a sample,
# press Start and watch the progress; what the plotter was told to ink and
# cut is recorded under the demo directory.  Without a display it prints the
# sample through the same plotter from the command line and takes a picture
# of the window under Xvfb instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
cli="$build/src/cli/pelvane-cli"
window="$build/src/app/Pelvane"
home="$build/demo-home"
record="$home/plotter-record"
sample=resources/samples/shirt.plt
bash scripts/demo-home.sh "$cli" "$home"
rm -rf "$record"

port=5388
log="$home/plotter.log"
"$cli" --home "$home" emulate --port "$port" --record "$record" > "$log" 2>&1 &
plotter=$!
trap 'kill "$plotter" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  grep -q 'listening on' "$log" && break
  kill -0 "$plotter" 2>/dev/null || break
  sleep 0.1
done
grep -q 'listening on' "$log" || { echo "the virtual plotter did not start on port $port:"; cat "$log"; exit 1; }
echo "Virtual plotter: $(grep -o 'listening on .*' "$log")"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting the window program on $home (samples in $home/samples)"
  "$window" --home "$home"
else
  echo "No display: printing the sample from the command line, then a picture of the window under Xvfb."
  "$cli" --home "$home" render "$sample" -o "$home/shirt-preview.png"
  "$cli" --home "$home" print "$sample" --machine "127.0.0.1:$port"
  # The plotter writes its record of the job once the job has ended.
  for _ in $(seq 1 600); do
    ls "$record"/job-*/ink.png > /dev/null 2>&1 && break
    sleep 0.1
  done
  # The window prints the sample from its automatic folder, on a plotter
  # that keeps a real machine's pace so the job is still on screen when the
  # picture is taken: after the plotter has started it and a few bands are
  # on their way.
  kill "$plotter" 2>/dev/null || true
  wait "$plotter" 2>/dev/null || true
  log="$home/plotter-window.log"
  "$cli" --home "$home" emulate --port "$port" --speed 1 > "$log" 2>&1 &
  plotter=$!
  for _ in $(seq 1 100); do
    grep -q 'listening on' "$log" && break
    sleep 0.1
  done
  mkdir -p "$home/DirAuto"
  cp "$sample" "$home/DirAuto/"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" --home "$2" & pid=$!
    for _ in $(seq 1 600); do
      grep -q "job 1 started" "$3" && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    grep -q "job 1 started" "$3" || echo "The window did not start printing the sample (see $3)."
    sleep 3
    scripts/window-screenshot.sh "$2/window.png"
    kill "$pid"; wait "$pid" 2>/dev/null || true' _ "$window" "$home" "$log"
  echo
  echo "Preview of the pattern:        $home/shirt-preview.png"
  echo "What the plotter inked:        $(ls "$record"/job-*/ink.png | head -1)"
  echo "What it cut (knife records):   $(ls "$record"/job-*/cuts.json | head -1)"
  echo "The window printing it:        $home/window.png"
fi
