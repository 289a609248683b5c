// Paints the profile editor's picture (background, grid, frame of the drawing area,
// rotation axis, segments with their normal ticks, point markers) into an image.
#pragma once

#include <QImage>

#include "profile/profile_model.h"

namespace tv {

struct CanvasOptions {
    bool show_grid = false;
    Axis axis = Axis::Y;
};

// Paints the whole picture into `buffer` (the size of the drawing surface) from the
// model's pixel positions; the model's canvas_size must be current for that size. The
// pixels covered by the segments before the last point are kept from one call to the next
// and stroked again only when one of those points, or the buffer's size, has changed.
void paintProfileCanvas(QImage& buffer, const ProfileModel& model, CanvasOptions options);

// The normal tick of a segment from `from` to `to` with link `link`: the offset from the
// segment's midpoint to the tick's end, 10 pixels long on the normal side. Ends on the
// same pixel have no direction and give no tick.
bool normalTickOffset(PixelPos from, PixelPos to, int link, PixelPos& offset);

}  // namespace tv
