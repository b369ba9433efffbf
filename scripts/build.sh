#!/usr/bin/env bash
# Configures and builds everything into build/, the program as build/brevasto.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh cmake g++ make qt6-base-dev qt6-qpa-plugins libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core
cmake -S . -B build
cmake --build build -j2
