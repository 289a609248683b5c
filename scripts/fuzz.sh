#!/usr/bin/env bash
# Builds the "fuzz" preset (clang, libFuzzer, sanitizers) and runs each fuzz target, one
# after the other, over its committed seed corpus and then for the given number of seconds.
# Inputs the fuzzer finds go to a scratch folder, not into the corpus. A crash, a sanitizer
# report or a broken check keeps the input in <build folder>/fuzz-findings/<target>/ and
# fails the script. Usage: scripts/fuzz.sh [seconds per target, 60] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build_dir=${2:-build-fuzz}
targets=(object_file_fuzzer language_file_fuzzer settings_file_fuzzer)

./scripts/install-deps.sh
cmake --preset fuzz -B "$build_dir"
cmake --build "$build_dir" -j"$(nproc)" --target "${targets[@]}"
source scripts/sanitizers/options.sh

# Seed folders and the longest input of each target: object files a little past the size
# limit; language and settings files of a few pages.
seeds_of() {
  case $1 in
    object_file_fuzzer) echo fuzz/corpus/object_file ;;
    language_file_fuzzer) echo fuzz/corpus/language_file data/lang ;;
    settings_file_fuzzer) echo fuzz/corpus/settings_file ;;
  esac
}
max_len_of() {
  case $1 in
    object_file_fuzzer) echo 65600 ;;
    language_file_fuzzer) echo 16384 ;;
    settings_file_fuzzer) echo 4096 ;;
  esac
}

status=0
mkdir -p "$build_dir/fuzz-logs"
for target in "${targets[@]}"; do
  name=${target%_fuzzer}
  findings=$build_dir/fuzz-findings/$name
  log=$build_dir/fuzz-logs/$name.log
  scratch=$(mktemp -d)
  mkdir -p "$findings"
  # shellcheck disable=SC2046  # the seed folders are split on purpose
  if "$build_dir/fuzz/$target" -max_total_time="$seconds" -max_len="$(max_len_of "$target")" \
      -timeout=25 -dict="fuzz/dict/$name.dict" -artifact_prefix="$findings/" \
      -print_final_stats=1 "$scratch" $(seeds_of "$target") >"$log" 2>&1; then
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs in ${seconds} s, no finding"
  else
    echo "$target: FAILED, input kept in $findings (log $log):" >&2
    tail -n 60 "$log" >&2
    status=1
  fi
  rm -rf "$scratch"
done
exit "$status"
