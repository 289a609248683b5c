#!/usr/bin/env bash
# Checks that every tracked C++ source and header is formatted as the committed
# .clang-format says, with Debian 12's clang-format (14). Lists what differs and fails;
# `clang-format -i FILE` fixes a file.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
  echo "Not formatted as .clang-format says ($(clang-format --version))." \
       "Run clang-format -i on the files above." >&2
  exit 1
fi
