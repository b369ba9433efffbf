#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
# php-cli serves the generated pages in the tests.
scripts/deps.sh php-cli
ctest --test-dir build --output-on-failure
