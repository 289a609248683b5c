#include "profile/mouse_position.h"

#include <algorithm>

namespace tv {

namespace {

// Snaps one coordinate, counted from the grid origin at 3, to the nearest grid line;
// a remainder of exactly half a step rounds down. `limit` is the last usable pixel of
// the whole surface: a coordinate snapped past it goes back one step.
int snapCoordinate(int value, int step, int limit) {
    const int r = (value - 3) % step;
    if (r == 0) {
        return value;
    }
    value = r > step / 2 ? value + (step - r) : value - r;
    if (value > limit) {
        value -= step;
    }
    return value;
}

}  // namespace

PixelPos mousePositionToPixel(int mouse_x, int mouse_y, SurfaceSize surface, SnapSettings snap) {
    const int s = surface.side();
    const int hi = std::max(3, s - 4);
    int x = std::clamp(mouse_x, 3, hi);
    int yb = std::clamp(surface.height - 1 - mouse_y, 3, hi);
    if (snap.enabled && snap.grid_step > 0) {
        x = snapCoordinate(x, snap.grid_step, surface.width - 4);
        yb = snapCoordinate(yb, snap.grid_step, surface.height - 4);
    }
    return PixelPos{x, surface.height - 1 - yb};
}

}  // namespace tv
