#!/usr/bin/env bash
# PLT export speed against a public HPGL converter: writes one generated
# garment marker of about 35 MB, then runs `pelvane-cli export` and
# `hp2xx -m hpgl` on it in turn (A B A B ...), and prints each run's wall
# time and the median of the pairwise ratios hp2xx / export.  The target is
# a median ratio of at least 5.
#
#   bash bench/export_vs_hp2xx.sh [PELVANE_CLI] [RUNS]
#
# PELVANE_CLI defaults to the Release build's tool (build-bench, see
# README.md); RUNS to 5.  Needs python3 and hp2xx (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build-bench/src/cli/pelvane-cli}
runs=${2:-5}
command -v hp2xx >/dev/null || { echo "hp2xx is not installed" >&2; exit 1; }
[ -x "$cli" ] || { echo "no tool at $cli" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/pv-export-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
marker="$work/marker.plt"

# 2 m across, pieces side by side along the feed, each a knife outline and
# an ink sewing line of 1,000 points, until the file holds about 35 MB.
python3 - "$marker" <<'EOF'
import math, sys
target = 35 * 1000 * 1000
out = []
size = 0
piece = 0
out.append("IN;")
while size < target:
    cx = 4000 + (piece // 8) * 8400
    cy = 4000 + (piece % 8) * 10000
    for pen, r in ((2, 1.0), (1, 0.95)):
        pts = []
        for k in range(1000):
            t = 2 * math.pi * k / 1000
            rip = 1 + 0.03 * math.sin(5 * t)
            pts.append((int(cx + 4000 * r * rip * math.cos(t)), int(cy + 4800 * r * rip * math.sin(t))))
        pts.append(pts[0])
        text = "SP%d;PU%d,%d;PD%s;" % (pen, pts[0][0], pts[0][1], ",".join("%d,%d" % p for p in pts[1:]))
        out.append(text)
        size += len(text)
    piece += 1
out.append("PU;PG;")
with open(sys.argv[1], "w") as f:
    f.write("".join(out))
EOF

home="$work/home"
mkdir -p "$home"
now() { date +%s.%N; }
ratios=()
echo "marker: $(du -h "$marker" | cut -f1), $runs runs of each"
for ((i = 1; i <= runs; i++)); do
    t0=$(now)
    "$cli" --home "$home" export "$marker" -o "$work/export.plt" >/dev/null
    t1=$(now)
    hp2xx -q -m hpgl -f "$work/hp2xx.hpgl" "$marker" >/dev/null 2>&1 </dev/null
    t2=$(now)
    a=$(awk -v x="$t0" -v y="$t1" 'BEGIN { print y - x }')
    b=$(awk -v x="$t1" -v y="$t2" 'BEGIN { print y - x }')
    r=$(awk -v a="$a" -v b="$b" 'BEGIN { print b / a }')
    ratios+=("$r")
    printf 'run %d: export %.3f s, hp2xx %.3f s, ratio %.2f\n' "$i" "$a" "$b" "$r"
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}')
printf 'median ratio hp2xx / export: %.2f (target at least 5)\n' "$median"
