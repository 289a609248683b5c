// Turns a mouse position on the drawing surface into the pixel of a profile point:
// limited to the drawing area and, when snapping is on, moved to the nearest grid line.
#pragma once

#include "profile/profile_model.h"

namespace tv {

struct SnapSettings {
    bool enabled = false;  // grid shown and snapping on
    int grid_step = 10;
};

PixelPos mousePositionToPixel(int mouse_x, int mouse_y, SurfaceSize surface, SnapSettings snap);

}  // namespace tv
