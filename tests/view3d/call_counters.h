// Counters of calls made anywhere in a test binary that links call_counters.cpp: heap
// allocations through operator new, and sines and cosines of the C library (sin, cos and
// the combined sincos a compiler may turn a pair into).
#pragma once

namespace tv::test {

long allocationCount();
long trigCount();

}  // namespace tv::test
