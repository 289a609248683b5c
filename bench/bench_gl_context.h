// An OpenGL context for the benchmarks: compatibility profile (immediate mode), current on
// an offscreen surface, drawing into a framebuffer of a typical panel size.
#pragma once

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <memory>
#include <string>

namespace tv::bench {

inline constexpr int kPanelWidth = 640;
inline constexpr int kPanelHeight = 480;

class BenchGlContext {
  public:
    // Makes the context current with its framebuffer bound; on failure says why.
    bool create(std::string& error);

  private:
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
};

}  // namespace tv::bench
