#!/usr/bin/env bash
# Starts one test program of the sanitizer build with the sanitizer options; CMake puts it
# in front of every test command of that build, so ctest needs no settings of its own.
# Usage: run-test.sh <test program> [arguments]
#
# A program that uses OpenGL gets Mesa's software driver loaded from the start and so kept
# until the end: Mesa unloads it at exit, before LeakSanitizer looks, and the driver's
# global allocations would then read as leaks from an unknown module. The sanitizer runtime
# must stay first among the preloaded libraries.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/options.sh"

program=$1
linked=$(ldd "$program" 2>/dev/null || true)
if grep -q 'libOpenGL\|libGLX\|libGL\.' <<<"$linked"; then
  asan_runtime=$(awk '/libasan\.so/ { print $3; exit }' <<<"$linked")
  drivers=(/usr/lib/*/dri/swrast_dri.so)
  if [ -n "$asan_runtime" ] && [ -f "${drivers[0]}" ]; then
    export LD_PRELOAD="$asan_runtime:${drivers[0]}${LD_PRELOAD:+:$LD_PRELOAD}"
  fi
fi
exec "$@"
