#!/usr/bin/env bash
# Builds the "asan" preset (AddressSanitizer and UndefinedBehaviorSanitizer, GUI tests
# included) and runs the whole test suite under it, headless. Any sanitizer report fails
# the test that caused it. Usage: scripts/test-sanitizers.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build-asan}
./scripts/install-deps.sh
cmake --preset asan -B "$build_dir"
cmake --build "$build_dir" -j"$(nproc)"
source scripts/sanitizers/options.sh
./scripts/headless-ctest.sh "$build_dir"
