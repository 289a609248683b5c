// The benchmarks that draw through OpenGL; registered only when a context exists.
#pragma once

namespace tv::bench {

void registerOpenGlBenchmarks();

}  // namespace tv::bench
