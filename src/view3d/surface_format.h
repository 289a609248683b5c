// The OpenGL surface format of the 3D view.
#pragma once

#include <QSurfaceFormat>

namespace tv {

// Compatibility profile (immediate mode), RGBA 8-8-8, depth 16, double buffered, swap
// interval 0. The program may also make it the default format before the application
// object exists, so that the window's own buffer swaps do not wait either.
QSurfaceFormat viewSurfaceFormat();

}  // namespace tv
