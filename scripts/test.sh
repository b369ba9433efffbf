#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
# php-cli serves the generated pages and Chromium follows them; Xvfb and xdotool give
# the window a real X server and a user's clicks and keys.
scripts/deps.sh php-cli xvfb xdotool chromium
ctest --test-dir build --output-on-failure
