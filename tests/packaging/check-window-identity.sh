#!/usr/bin/env bash
# The running window belongs to its menu entry: under a real X server, the
# main window's WM_CLASS is the StartupWMClass of the desktop entry, so that
# task bars and docks group it under the entry's name and icon.
#   check-window-identity.sh <program> <desktop entry>
set -euo pipefail
program=$1
entry=$2
expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
test -n "$expected" || { echo "FAILED: $entry names no StartupWMClass"; exit 1; }

# Runs inside the X server: waits for the main window, prints its WM_CLASS.
read -r -d '' look <<'LOOK' || true
"$0" >/dev/null 2>&1 &
for attempt in $(seq 50); do
  window=$(xwininfo -root -tree | awk '/"Trevantis Netquill": \("/ {print $1; exit}')
  if [ -n "$window" ]; then xprop -id "$window" WM_CLASS; break; fi
  sleep 0.2
done
kill %1
LOOK
seen=$(xvfb-run -a bash -c "$look" "$program")
echo "window: $seen"
echo "entry:  StartupWMClass=$expected"
grep -qF "\"$expected\"" <<<"${seen#*,}"
