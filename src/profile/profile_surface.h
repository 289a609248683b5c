// The drawing surface `gc2d`: shows the off-screen picture of the profile canvas and
// hands its mouse events to the window that owns the profile.
#pragma once

#include <QWidget>

namespace tv {

class ProfileSurfaceOwner {
  public:
    virtual ~ProfileSurfaceOwner() = default;
    virtual void gc2dMouseDown(Qt::MouseButton button, int x, int y) = 0;
    virtual void gc2dMouseMove(int x, int y) = 0;
    virtual void gc2dMouseUp(Qt::MouseButton button, int x, int y) = 0;
    // Brings the off-screen picture up to date for the surface's current size.
    virtual const QImage& profilePicture() = 0;
};

class ProfileSurface final : public QWidget {
    Q_OBJECT
  public:
    ProfileSurface(ProfileSurfaceOwner& owner, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ProfileSurfaceOwner& owner_;
};

}  // namespace tv
