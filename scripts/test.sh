#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless
# (under one Xvfb server, so it also works on a machine without a display).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
./scripts/headless-ctest.sh build
