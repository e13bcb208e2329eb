#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Nodri in Release and starts the
# window. Without a display it says so and shows how to try it under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target nodri nodri-convert

exec build/window/nodri "$@"
