#!/usr/bin/env bash
# Builds and starts the program. Without a display, it shows the window on a virtual
# X server instead, saves a picture of its first view and says where.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/brevasto "$@"
fi

shot=$(scripts/screenshot.sh build/first-view.png)
echo "No display here: the window ran on a virtual X server. Its first view: $shot"
