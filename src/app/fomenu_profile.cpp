// The main window's profile canvas and editing handlers.
#include <QToolButton>

#include "app/fomenu.h"
#include "profile/mouse_position.h"
#include "profile/profile_canvas.h"
#include "view3d/view3d_widget.h"

namespace tv {

namespace {

constexpr int kSmallestUsableSurface = 10;

}  // namespace

SurfaceSize Tform_fomenu::surfaceSize() const {
    return SurfaceSize{gc2d->width(), gc2d->height()};
}

PixelPos Tform_fomenu::mousePixel(int x, int y) const {
    return mousePositionToPixel(x, y, surfaceSize(), SnapSettings{snapping(), profile.gridStep()});
}

void Tform_fomenu::renderProfilePicture() {
    const SurfaceSize size = surfaceSize();
    if (layout_changed || profile_buffer.size() != QSize(size.width, size.height)) {
        gl_view->requestProjection();
        profile.relayout(size, axis());
        profile_buffer =
            QImage(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
        layout_changed = false;
    }
    profile_canvas_.paint(profile_buffer, profile, CanvasOptions{g_racs->isChecked(), axis()});
}

const QImage& Tform_fomenu::profilePicture() {
    // Every change of the profile repaints the picture at once (gc2dPaint); a paint that
    // the window system asks for only needs a new one after a change of size.
    if (layout_changed || profile_buffer.size() != gc2d->size()) {
        renderProfilePicture();
    }
    return profile_buffer;
}

void Tform_fomenu::gc2dPaint() {
    renderProfilePicture();
    gc2d->update();
}

void Tform_fomenu::gc2dMouseDown(Qt::MouseButton button, int x, int y) {
    if (gc2d->width() < kSmallestUsableSurface || gc2d->height() < kSmallestUsableSurface) {
        return;
    }
    if (button != Qt::LeftButton || profile.full()) {
        return;
    }
    if (layout_changed) {
        renderProfilePicture();  // the square area must be known before a point is placed
    }
    SetModified(true);
    profile.beginDrag(mousePixel(x, y), gc2d->height(), axis(), g_ford->isChecked());
    gc2dPaint();
}

void Tform_fomenu::gc2dMouseMove(int x, int y) {
    if (profile.dragTo(mousePixel(x, y), gc2d->height(), axis())) {
        gc2dPaint();
    }
}

void Tform_fomenu::gc2dMouseUp(Qt::MouseButton /*button*/, int x, int y) {
    if (profile.endDrag(mousePixel(x, y), gc2d->height(), axis(), separateMode())) {
        gc2dPaint();
    }
    settleEdit();
}

void Tform_fomenu::g_folytonosClick() {
    if (profile.empty()) {
        return;
    }
    profile.startNewStroke();
    gc2dPaint();
}

void Tform_fomenu::g_torolClick() {
    SetModified(true);
    if (profile.empty()) {
        return;
    }
    profile.removeLast(separateMode());
    gc2dPaint();
}

void Tform_fomenu::g_xClick(QToolButton* /*sender*/) {
    const Axis chosen = axis();
    if (chosen == points_axis_) {
        return;
    }
    profile.convertAxis(chosen);
    points_axis_ = chosen;
    SetModified(true);
    gc2dPaint();
}

void Tform_fomenu::setAxisButtons(Axis to) {
    (to == Axis::X ? g_x : g_y)->setChecked(true);
    points_axis_ = to;
}

void Tform_fomenu::g_racsClick() {
    const bool grid = g_racs->isChecked();
    g_igazit->setEnabled(grid);
    g_surubb->setEnabled(grid);
    g_ritkabb->setEnabled(grid);
    gc2dPaint();
}

void Tform_fomenu::g_surubbClick() {
    if (g_racs->isChecked() && profile.denserGrid()) {
        gc2dPaint();
    }
}

void Tform_fomenu::g_ritkabbClick() {
    if (g_racs->isChecked() && profile.sparserGrid()) {
        gc2dPaint();
    }
}

}  // namespace tv
