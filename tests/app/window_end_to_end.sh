#!/usr/bin/env bash
# The real window program against the virtual plotter: a pattern dropped into
# the automatic folder is printed (the plotter records the job) and, once
# finished, removed with its file; a picture of the window is kept.  Then, in
# Chinese with the ink statistic on and a job opened by hand shown, an
# automatic-folder job starts at a real machine's pace: the view turns to it
# and outlines the band being printed, and the window stays within the
# 1280-pixel screen.
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
  kill "${app:-}" "${plotter:-}" "${app2:-}" "${plotter2:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$home" "${home2:-}"
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
kill "$app" "$plotter" 2>/dev/null || true
wait "$app" "$plotter" 2>/dev/null || true

# Pixels of the band outline's colour (0, 200, 255) in a picture.
band_pixels() {
  /usr/bin/convert "$1" -fill black +opaque "rgb(0,200,255)" -fill white -opaque "rgb(0,200,255)" \
    -format "%[fx:int(mean*w*h+0.5)]" info:
}
# The widest window on the screen (pixels).
widest_window() {
  local widest=0 id info w
  for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    info=$(xwininfo -id "$id")
    grep -q IsViewable <<< "$info" || continue
    w=$(awk '/Width:/ {print $2}' <<< "$info")
    [ "$w" -gt "$widest" ] && widest=$w
  done
  echo "$widest"
}

home2=$(mktemp -d)
bash scripts/demo-home.sh "$cli" "$home2" 0 EnableInkVolumStatistic=1
"$cli" --home "$home2" task create "$home2/opened.pvtask" resources/TestPlt/10x10.plt > /dev/null
"$cli" --home "$home2" emulate --port 0 --speed 1 > "$home2/plotter.log" 2>&1 &
plotter2=$!
port=""
for _ in $(seq 1 200); do
  port=$(grep -o 'listening on [0-9.]*:[0-9]*' "$home2/plotter.log" | sed 's/.*://' || true)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "second virtual plotter did not start"; cat "$home2/plotter.log"; exit 1; }
"$window" --home "$home2" --port "$port" "$home2/opened.pvtask" > "$home2/window.log" 2>&1 &
app2=$!
# The opened job is shown and nothing prints yet.
sleep_until=$((SECONDS + 60))
until [ "$(widest_window)" -gt 0 ]; do
  [ $SECONDS -lt $sleep_until ] || { echo "the second window did not appear"; cat "$home2/window.log"; exit 1; }
  sleep 0.5
done
mkdir -p "$home2/DirAuto"
cp resources/samples/shirt.plt "$home2/DirAuto/shirt.plt"
deadline=$((SECONDS + 150))
shot="$out/window-auto-start.png"
until scripts/window-screenshot.sh "$shot" && [ "$(band_pixels "$shot")" -gt 100 ]; do
  kill -0 "$app2" 2>/dev/null || { echo "the second window program ended"; cat "$home2/window.log"; exit 1; }
  [ $SECONDS -lt $deadline ] || { echo "the started job's band was never outlined"; cat "$home2/window.log"; exit 1; }
  sleep 1
done
width=$(widest_window)
[ "$width" -le 1280 ] || { echo "the window is $width pixels wide on a 1280-pixel screen"; exit 1; }
echo "2 passed, 0 failed"
