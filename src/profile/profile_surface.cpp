#include "profile/profile_surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace tv {

ProfileSurface::ProfileSurface(ProfileSurfaceOwner& owner, QWidget* parent)
    : QWidget(parent), owner_(owner) {
    setCursor(Qt::CrossCursor);
    // The picture covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProfileSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, owner_.profilePicture());
}

void ProfileSurface::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    owner_.gc2dMouseDown(event->button(), at.x(), at.y());
}

void ProfileSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    owner_.gc2dMouseMove(at.x(), at.y());
}

void ProfileSurface::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    owner_.gc2dMouseUp(event->button(), at.x(), at.y());
}

}  // namespace tv
