#include "bench_gl_context.h"

#include "view3d/surface_format.h"

namespace tv::bench {

bool BenchGlContext::create(std::string& error) {
    const QSurfaceFormat format = viewSurfaceFormat();
    surface_ = std::make_unique<QOffscreenSurface>();
    surface_->setFormat(format);
    surface_->create();
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(format);
    if (!surface_->isValid() || !context_->create()) {
        error = "no OpenGL context could be created";
        return false;
    }
    if (!context_->makeCurrent(surface_.get())) {
        error = "the OpenGL context could not be made current";
        return false;
    }
    if (context_->format().profile() == QSurfaceFormat::CoreProfile) {
        error = "only a core-profile context is available (no immediate mode)";
        return false;
    }
    framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(kPanelWidth, kPanelHeight,
                                                              QOpenGLFramebufferObject::Depth);
    if (!framebuffer_->isValid() || !framebuffer_->bind()) {
        error = "no framebuffer object could be bound";
        return false;
    }
    return true;
}

}  // namespace tv::bench
