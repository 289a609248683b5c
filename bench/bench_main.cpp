// Runs the benchmarks. The OpenGL ones need a display with an OpenGL implementation (for
// example Xvfb with Mesa); without one they are skipped with a message.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <string>

#include "bench_gl_context.h"
#include "gl_bench.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::unique_ptr<QGuiApplication> app;
    tv::bench::BenchGlContext context;
    std::string error = "no display (run under xvfb-run)";
    const bool has_display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (has_display) {
        app = std::make_unique<QGuiApplication>(argc, argv);
        error.clear();
    }
    if (has_display && context.create(error)) {
        tv::bench::registerOpenGlBenchmarks();
    } else {
        std::fprintf(stderr, "OpenGL benchmarks skipped: %s\n", error.c_str());
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
