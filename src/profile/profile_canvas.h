// Paints the profile editor's picture (background, grid, frame of the drawing area,
// rotation axis, segments with their normal ticks, point markers) into an image.
#pragma once

#include <QImage>
#include <memory>

#include "profile/profile_model.h"

namespace tv {

struct CanvasOptions {
    bool show_grid = false;
    Axis axis = Axis::Y;
};

class SegmentLayer;

// Paints the whole picture into an image (the size of the drawing surface) from the
// model's pixel positions; the model's canvas_size must be current for that size. The
// pixels covered by the segments before the last point are kept from one paint to the
// next and rasterised again only when one of those points, or the image's size, has changed.
// An image without 32-bit pixels is converted to RGB32 first.
class ProfileCanvas {
  public:
    ProfileCanvas();
    ~ProfileCanvas();
    ProfileCanvas(const ProfileCanvas&) = delete;
    ProfileCanvas& operator=(const ProfileCanvas&) = delete;

    void paint(QImage& buffer, const ProfileModel& model, CanvasOptions options);

  private:
    std::unique_ptr<SegmentLayer> segments_;
};

// The normal tick of a segment from `from` to `to` with link `link`: the offset from the
// segment's midpoint to the tick's end, 10 pixels long on the normal side. Ends on the
// same pixel have no direction and give no tick.
[[nodiscard]] bool normalTickOffset(PixelPos from, PixelPos to, int link, PixelPos& offset);

}  // namespace tv
