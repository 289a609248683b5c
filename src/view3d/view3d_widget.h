// The 3D view panel: an OpenGL widget that renders the scene with the render pass and,
// while continuous rendering is on, asks for the next frame as soon as one is done, so the
// view is redrawn as fast as the machine allows while events still get through.
#pragma once

#include <QOpenGLWidget>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "view3d/render_pass.h"
#include "view3d/view_setup.h"

namespace tv {

class View3DWidget : public QOpenGLWidget {
    Q_OBJECT

  public:
    // The control values the renderer reads on every frame.
    using ControlsSource = std::function<ViewControls()>;

    // The scene, profile and counters are the owner's and must outlive the widget.
    View3DWidget(TSceneState& scene, const ProfileModel& profile, FrameCounters& counters,
                 QWidget* parent = nullptr);
    ~View3DWidget() override;

    // Without a source the widget renders default controls (wire frame, 7 segments).
    void setControlsSource(ControlsSource source);

    // The panel's layout changed: the next frame sets the viewport and the projection from
    // the widget's size at that time (before it the previous ones stay in force).
    void requestProjection();

    // On by default. Off, a frame is rendered only when Qt repaints the widget or a test
    // grabs the framebuffer.
    void setContinuousRendering(bool on);
    bool continuousRendering() const { return continuous_; }

    // While paused, no frame is rendered: the last picture stays, the object does not
    // turn and no frame is counted. Pauses nest; see RenderingPause.
    void pauseRendering();
    void resumeRendering();
    bool renderingPaused() const { return pause_depth_ > 0; }

    // The viewport of the last projection applied; nothing before the first one.
    std::optional<Viewport> appliedViewport() const { return viewport_; }

  protected:
    void initializeGL() override;
    void paintGL() override;

  private:
    // Gives the display lists back while their context still exists.
    void releaseLists();

    TSceneState& scene_;
    const ProfileModel& profile_;
    FrameCounters& counters_;
    ControlsSource controls_source_;
    bool continuous_ = true;
    int pause_depth_ = 0;
    bool rotation_initialized_ = false;
    bool projection_pending_ = false;
    std::optional<Viewport> viewport_;
    // The object's drawing in display lists of the current context.
    std::unique_ptr<RetainedSurface> retained_ = std::make_unique<RetainedSurface>();
};

// Pauses a view's rendering for as long as it exists, e.g. around a modal window.
class RenderingPause {
  public:
    explicit RenderingPause(View3DWidget* view) : view_(view) {
        if (view_) {
            view_->pauseRendering();
        }
    }
    ~RenderingPause() {
        if (view_) {
            view_->resumeRendering();
        }
    }
    RenderingPause(const RenderingPause&) = delete;
    RenderingPause& operator=(const RenderingPause&) = delete;

  private:
    QPointer<View3DWidget> view_;
};

}  // namespace tv
