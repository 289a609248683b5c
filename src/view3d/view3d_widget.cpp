#include "view3d/view3d_widget.h"

#include <QOpenGLContext>
#include <utility>

#include "view3d/opengl_layer.h"
#include "view3d/surface_format.h"

namespace tv {

View3DWidget::View3DWidget(TSceneState& scene, const ProfileModel& profile, FrameCounters& counters,
                           QWidget* parent)
    : QOpenGLWidget(parent), scene_(scene), profile_(profile), counters_(counters) {
    setFormat(viewSurfaceFormat());
    // The framebuffer keeps its picture between paints, so that a paint while rendering
    // is paused shows the last frame instead of an emptied buffer.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

View3DWidget::~View3DWidget() {
    // The base class destroys the context after this object is gone: no call back then.
    if (context() != nullptr) {
        disconnect(context(), nullptr, this, nullptr);
    }
    releaseLists();
}

void View3DWidget::releaseLists() {
    if (context() == nullptr) {
        return;
    }
    makeCurrent();
    OpenGlLayer gl;
    retained_->release(gl);
    doneCurrent();
}

void View3DWidget::setControlsSource(ControlsSource source) {
    controls_source_ = std::move(source);
}

void View3DWidget::requestProjection() {
    projection_pending_ = true;
    update();
}

void View3DWidget::setContinuousRendering(bool on) {
    continuous_ = on;
    if (on) {
        update();
    }
}

void View3DWidget::pauseRendering() {
    ++pause_depth_;
}

void View3DWidget::resumeRendering() {
    if (pause_depth_ > 0 && --pause_depth_ == 0 && continuous_) {
        update();
    }
}

void View3DWidget::initializeGL() {
    // A new context holds none of the lists of an earlier one.
    retained_->forget();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &View3DWidget::releaseLists,
            Qt::UniqueConnection);
    OpenGlLayer gl;
    setUpViewContext(gl);
    // Qt makes a new context when the widget moves to another window; the object keeps
    // its orientation then, and the new context needs the projection again.
    if (!rotation_initialized_) {
        resetRotationFromContext(gl, scene_);
        rotation_initialized_ = true;
    }
    if (viewport_) {
        projection_pending_ = true;
    }
}

void View3DWidget::paintGL() {
    if (renderingPaused()) {
        return;  // the framebuffer keeps the last frame
    }
    OpenGlLayer gl;
    bool applied = false;
    if (projection_pending_) {
        const double ratio = devicePixelRatioF();
        const int width_px = qRound(width() * ratio);
        const int height_px = qRound(height() * ratio);
        if (auto viewport = applyProjection(gl, width_px, height_px, scene_)) {
            viewport_ = viewport;
            applied = true;
        }
        projection_pending_ = false;
    }
    if (!applied && viewport_) {
        // Qt sets a full-size viewport before every paint; keep the one of the projection.
        gl.viewport(viewport_->x, viewport_->y, viewport_->width, viewport_->height);
    }

    const RenderInputs inputs{scene_, profile_, counters_,
                              controls_source_ ? controls_source_() : ViewControls{}};
    renderFrame(gl, inputs, frameWorkspace(), *retained_);

    if (continuous_) {
        update();
    }
}

}  // namespace tv
