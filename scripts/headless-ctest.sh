#!/usr/bin/env bash
# Runs the test suite of a build folder under one Xvfb server, so that it also works on a
# machine without a display. Usage: scripts/headless-ctest.sh <build folder> [ctest options]
set -euo pipefail

build_dir=$1
shift

runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
xvfb_log=$(mktemp)
status=0
XDG_RUNTIME_DIR=$runtime_dir xvfb-run -a -e "$xvfb_log" -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" "$@" || status=$?
# xvfb-run may report a failed clean-up (exit 5) after the tests themselves passed.
if [ "$status" -ne 0 ] && [ "$status" -ne 5 ]; then
  cat "$xvfb_log" >&2
  exit "$status"
fi
rm -rf "$runtime_dir" "$xvfb_log"
