#!/usr/bin/env bash
# Installs what is missing, builds everything of the "default" preset (warnings as errors)
# and runs the whole test suite headless (under one Xvfb server, so it also works on a
# machine without a display).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
./scripts/headless-ctest.sh build
