// An OpenGL compatibility-profile context on an off-screen surface, current on the calling
// thread and drawing into a framebuffer object with a depth buffer: a stand-in for the
// editor's 3D panel where there is no window (torvelle-tool's render command). Needs a
// running QGuiApplication, no widgets.
#pragma once

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <memory>
#include <string>

namespace tv {

class OffscreenGl {
  public:
    OffscreenGl() = default;
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    // Makes the context current and binds a framebuffer of width x height pixels. Returns
    // an empty string, or the reason it failed as a message for the user.
    [[nodiscard]] std::string create(int width, int height);

    // Waits until OpenGL has drawn everything asked of it.
    void finish();

    // The framebuffer's pixels, opaque.
    QImage image() const;

  private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
};

}  // namespace tv
