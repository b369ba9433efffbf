#!/usr/bin/env bash
# Builds and starts the program. Without a display, it shows the window on a virtual
# X server instead, saves a picture of its first view and says where.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/brevasto "$@"
fi

scripts/deps.sh xvfb xauth x11-utils imagemagick
shot="$PWD/build/first-view.png"
workdir=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${app:-} ${xvfb:-}; do
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

build/brevasto "$@" &
app=$!
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Brevasto"/ { print $1; exit }')
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || { echo "brevasto ended before its window appeared" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear within 10 seconds" >&2; exit 1; }
sleep 1 # let the first paint finish
import -window "$window" "$shot"
echo "No display here: the window ran on a virtual X server. Its first view: $shot"
