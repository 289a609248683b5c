#!/usr/bin/env bash
# Builds every target, tests and benchmarks included, with the flags packagers use and
# warnings as errors; runs nothing. Optimisation and hardening make g++ and clang look
# deeper than the development build does; a warning that only such a build shows fails
# here, before users and distributions (whose builds do not stop on it) meet it:
#   gcc-hardened  g++ Release with Debian's hardening flags (dpkg-buildflags,
#                 hardening=+all): _FORTIFY_SOURCE, the stack protector, relro; the
#                 Release -O3 comes after the distribution's -O2 and wins;
#   clang         clang++-14 Release.
# Usage: scripts/check-builds.sh [prefix of the build folders, build-check]
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=${1:-build-check}
./scripts/install-deps.sh

hardening() {
  DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"
}

# check NAME [cmake options ...]
check() {
  local name=$1 dir=$prefix-$1 started=$SECONDS
  shift
  local log=$dir/check-build.log
  mkdir -p "$dir"
  if cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTORVELLE_WERROR=ON \
        -DTORVELLE_BUILD_BENCHMARKS=ON "$@" >"$log" 2>&1 &&
      cmake --build "$dir" -j"$(nproc)" >>"$log" 2>&1; then
    echo "$name: built without a warning in $((SECONDS - started)) s"
  else
    echo "$name: FAILED after $((SECONDS - started)) s (log $log):" >&2
    grep -E -A8 '(error|warning):' "$log" | head -n 200 >&2 || true
    tail -n 20 "$log" >&2
    return 1
  fi
}

status=0
check gcc-hardened -DCMAKE_CXX_COMPILER=g++ \
  "-DCMAKE_CXX_FLAGS=$(hardening CPPFLAGS) $(hardening CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(hardening LDFLAGS)" || status=1
check clang -DCMAKE_CXX_COMPILER=clang++-14 || status=1
exit "$status"
