#!/usr/bin/env bash
# Starts build/brevasto on a virtual X server with a window manager and saves a picture
# of its first view, frame included. Usage: scripts/screenshot.sh [PICTURE.png]
set -euo pipefail
cd "$(dirname "$0")/.."

shot=$(realpath -m "${1:-build/first-view.png}")
[ -x build/brevasto ] || scripts/build.sh
scripts/deps.sh xvfb x11-utils imagemagick openbox

workdir=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${app:-} ${wm:-} ${xvfb:-}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$workdir/display" ] && break; sleep 0.1; done
[ -s "$workdir/display" ] || { echo "Xvfb did not start:" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"

openbox >"$workdir/wm.log" 2>&1 &
wm=$!
sleep 1 # let the window manager take the screen before the window maps

build/brevasto >"$workdir/app.log" 2>&1 &
app=$!
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Brevasto"/ && !/ 1x1\+/ && !found { print $1; found = 1 }' || true)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || { echo "brevasto ended before its window appeared:" >&2; cat "$workdir/app.log" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear within 10 seconds" >&2; exit 1; }
sleep 1 # let the first paint finish
mkdir -p "$(dirname "$shot")"
import -frame -window "$window" "$shot"
echo "$shot"
