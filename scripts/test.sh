#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless
# (under one Xvfb server, so it also works on a machine without a display).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
xvfb_log=$(mktemp)
status=0
XDG_RUNTIME_DIR=$runtime_dir xvfb-run -a -e "$xvfb_log" -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure -j"$(nproc)" || status=$?
# xvfb-run may report a failed clean-up (exit 5) after the tests themselves passed.
if [ "$status" -ne 0 ] && [ "$status" -ne 5 ]; then
  cat "$xvfb_log" >&2
  exit "$status"
fi
rm -rf "$runtime_dir" "$xvfb_log"
