#!/usr/bin/env bash
# Writes a demo program directory for the window program whose settings point
# at a virtual plotter on 127.0.0.1 over Ethernet, with the sample patterns
# beside it:  demo-home.sh CLI HOME [LANGUAGE] [KEY=VALUE]...
# LANGUAGE defaults to English, or Chinese when the locale is Chinese.
set -euo pipefail
cli=$1 home=$2
shift 2
lang=1
case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in zh*) lang=0 ;; esac
if [ $# -gt 0 ] && [[ "$1" != *=* ]]; then lang=$1; shift; fi
mkdir -p "$home/samples"
cp resources/samples/*.plt "$home/samples/"
ini=Setting.ini
[[ "$cli" == *orvanta* ]] && ini=Setting4.ini
sets=(--set MachineIP=16777343 --set ConnectViaEth=1 --set AutoStart=1 --set Language="$lang"
      --set UnitNoHintNextTime=1)
for kv in "$@"; do sets+=(--set "$kv"); done
"$cli" --home "$home" settings "${sets[@]}" --save "$home/$ini" > /dev/null
