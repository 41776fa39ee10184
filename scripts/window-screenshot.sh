#!/usr/bin/env bash
# Takes a picture of the whole X display as PNG: window-screenshot.sh OUT.png
# (run it inside the X session, e.g. under xvfb-run).
set -euo pipefail
xwd -root -silent | /usr/bin/convert xwd:- "$1"
