// The pixels that a set of the canvas's wide lines covers, one bit a pixel, to be painted
// in one colour. The union does not depend on the order of the lines, so each line is
// rasterised along its longer axis: a shallow line row by row into a mask of rows, a steep
// one column by column into a mask of columns, which the rows then take in 64 x 64 blocks
// turned over. A line then costs a few operations for each pixel of its shorter extent.
#pragma once

#include <cstdint>
#include <vector>

#include "profile/pixel_image.h"
#include "profile/profile_model.h"

namespace tv {

class LineMask {
  public:
    // Makes the mask `width` x `height` and empty; allocates only when the size changes.
    void reset(int width, int height);
    void clear();

    void addLine(PixelPos a, PixelPos b);

    // Sets every covered pixel of an image of the mask's size to `color`.
    void paintOnto(const PixelImage& image, uint32_t color);

    int width() const { return width_; }
    int height() const { return height_; }

  private:
    // Brings the column mask's lines since the last call into the row mask.
    void mergeColumns();

    int width_ = 0;
    int height_ = 0;
    unsigned strips_ = 0;  // 64-column strips of the row mask
    unsigned bands_ = 0;   // 64-row bands of the column mask
    // A word for each row of a strip, the strip's words one after the other down the
    // surface, so that a line walks through neighbouring words.
    std::vector<uint64_t> rows_;
    // A word for each column of a band, the band's words one after the other across.
    std::vector<uint64_t> columns_;
    // The columns and rows that steep lines reached since the last merge (empty when
    // first > last).
    int pending_left_ = 0;
    int pending_right_ = -1;
    int pending_top_ = 0;
    int pending_bottom_ = -1;
};

}  // namespace tv
