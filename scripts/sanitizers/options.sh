# Runtime options of the sanitizers, sourced by run-test.sh (every test of the sanitizer
# build) and by fuzz.sh. Leaks are reported, but not those of the third-party libraries
# listed in lsan.supp.
sanitizer_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$sanitizer_dir/lsan.supp:print_suppressions=0
unset sanitizer_dir
