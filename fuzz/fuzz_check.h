// The fuzz targets state what must hold for every input with FUZZ_CHECK. A broken
// promise aborts, which libFuzzer reports as a crash and keeps the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tv::fuzz {

[[noreturn]] inline void checkFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: FUZZ_CHECK failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace tv::fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::tv::fuzz::checkFailed(#condition, __FILE__, __LINE__))
