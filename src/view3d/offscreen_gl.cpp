#include "view3d/offscreen_gl.h"

#include <GL/gl.h>

#include "view3d/surface_format.h"

namespace tv {

OffscreenGl::~OffscreenGl() {
    if (framebuffer_ && context_.makeCurrent(&surface_)) {
        framebuffer_.reset();
        context_.doneCurrent();
    }
}

std::string OffscreenGl::create(int width, int height) {
    const QSurfaceFormat format = viewSurfaceFormat();
    surface_.setFormat(format);
    surface_.create();
    context_.setFormat(format);
    if (!surface_.isValid() || !context_.create() || !context_.makeCurrent(&surface_)) {
        return "Cannot create an OpenGL context for rendering. The render command needs a "
               "display with OpenGL; without one, run it under Xvfb: "
               "xvfb-run -a torvelle-tool render IN OUT.png";
    }
    QOpenGLFramebufferObjectFormat buffer_format;
    buffer_format.setAttachment(QOpenGLFramebufferObject::Depth);
    framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(width, height, buffer_format);
    if (!framebuffer_->isValid() || !framebuffer_->bind()) {
        framebuffer_.reset();
        return "Cannot create an OpenGL framebuffer of " + std::to_string(width) + "x" +
               std::to_string(height) + " pixels for rendering.";
    }
    return {};
}

void OffscreenGl::finish() {
    glFinish();
}

QImage OffscreenGl::image() const {
    return framebuffer_ ? framebuffer_->toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

}  // namespace tv
