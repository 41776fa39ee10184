#!/usr/bin/env bash
# The real window program against the virtual plotter: a pattern dropped into
# the automatic folder is printed (the plotter records the job) and, once
# finished, removed with its file; a picture of the window is kept.
#   window_end_to_end.sh WINDOW CLI SOURCE_DIR OUT_DIR
set -euo pipefail
window=$1 cli=$2 src=$3 out=$4
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM   # a real X display, not the offscreen one of the unit tests
home=$(mktemp -d)
mkdir -p "$out"
cleanup() {
  kill "${app:-}" "${plotter:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
cd "$src"
bash scripts/demo-home.sh "$cli" "$home" 1 AutoDelFinish=1

"$cli" --home "$home" emulate --port 0 --record "$home/record" > "$home/plotter.log" 2>&1 &
plotter=$!
port=""
for _ in $(seq 1 200); do
  port=$(grep -o 'listening on [0-9.]*:[0-9]*' "$home/plotter.log" | sed 's/.*://' || true)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "virtual plotter did not start"; cat "$home/plotter.log"; exit 1; }

"$window" --home "$home" --port "$port" > "$home/window.log" 2>&1 &
app=$!
mkdir -p "$home/DirAuto"
cp resources/TestPlt/50x50.plt "$home/DirAuto/square.plt"

# Bounded waits on the outcome: the plotter recorded a whole job, then the
# finished job left the list together with its file.
deadline=$((SECONDS + 240))
until ls "$home"/record/job-*/cuts.json > /dev/null 2>&1; do
  kill -0 "$app" 2>/dev/null || { echo "the window program ended"; cat "$home/window.log"; exit 1; }
  [ $SECONDS -lt $deadline ] || { echo "no job recorded"; cat "$home/plotter.log" "$home/window.log"; exit 1; }
  sleep 0.5
done
scripts/window-screenshot.sh "$out/window-printed.png"
until [ ! -e "$home/DirAuto/square.plt" ]; do
  [ $SECONDS -lt $deadline ] || { echo "the finished job was not removed"; cat "$home/window.log"; exit 1; }
  sleep 0.5
done
grep -q '"ending": *"complete"' "$home"/record/job-*/summary.json || { cat "$home"/record/job-*/summary.json; exit 1; }
echo "1 passed, 0 failed"
