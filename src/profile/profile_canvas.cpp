#include "profile/profile_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "profile/line_mask.h"
#include "profile/pixel_image.h"
#include "profile/wide_line.h"

namespace tv {

namespace {

constexpr uint32_t kBackground = 0xFFC0C0C0;
constexpr uint32_t kGridColor = 0xFF808080;
constexpr uint32_t kFrameColor = 0xFF000000;
constexpr uint32_t kAxisColor = 0xFF800000;
constexpr uint32_t kSegmentColor = 0xFF000080;
constexpr uint32_t kMarkerColor = 0xFF000000;
constexpr uint32_t kDraggedColor = 0xFF00FF00;
constexpr uint32_t kStrokeStartColor = 0xFFFF0000;
constexpr uint32_t kJoinedColor = 0xFF008080;

// The grid's lines are anchored at the bottom left of the drawing area, the horizontal
// ones from row H-4 upwards and the vertical ones from column 3 rightwards, one of each
// even when the surface is too small for it.
void paintGrid(const PixelImage& image, int step) {
    const int w = image.width;
    const int h = image.height;
    step = step > 0 ? step : 10;
    int y = h - 4;
    do {
        image.fillRect(3, y, w - 7, 1, kGridColor);
        y -= step;
    } while (y >= 3);
    // The vertical lines row by row: column by column, each pixel would be in a cache line
    // of its own.
    const int top = std::clamp(3, 0, h);
    const int bottom = std::clamp(3 + std::max(h - 7, 0), 0, h);
    for (int row = top; row < bottom; ++row) {
        uint32_t* pixels = image.row(row);
        int x = 3;
        do {
            if (x < w) {
                pixels[x] = kGridColor;
            }
            x += step;
        } while (x < w - 3);
    }
}

void paintMarker(const PixelImage& image, PixelPos at, uint32_t color) {
    image.fillRect(at.x - 2, at.y - 2, 5, 5, color);
}

// Calls line(from, to) for the segments that end at points [from, to) of the model and
// for their normal ticks.
template <typename LineFn>
void forEachSegmentLine(const ProfileModel& model, int from, int to, LineFn&& line) {
    for (int i = std::max(from, 1); i < to; ++i) {
        const int link = model.link(i);
        if (link == kLinkStart) {
            continue;
        }
        const PixelPos a = model.point_pixels[i - 1];
        const PixelPos b = model.point_pixels[i];
        line(a, b);
        PixelPos tick;
        if (normalTickOffset(a, b, link, tick)) {
            // The midpoint's halves round towards zero, as integer division does.
            const PixelPos mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
            line(mid, PixelPos{mid.x + tick.x, mid.y + tick.y});
        }
    }
}

bool holds32BitPixels(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            return true;
        default:
            return false;
    }
}

}  // namespace

// While a point is dragged or added only the segments at the end of the profile change,
// yet a full profile has thousands of segments to rasterise. So the pixels that the
// segments and ticks cover are kept in a mask from one repaint to the next, for every
// segment but the one ending at the last point, and rasterised again only when an earlier
// point moved or the surface changed size. Every covered pixel takes the segment colour
// whatever line covers it, so the mask gives exactly the pixels of direct painting.
class SegmentLayer {
  public:
    // Makes the mask hold the segments ending at points [1, end) of the model for a
    // `width` x `height` surface, rasterising only those it does not hold yet.
    void cover(const ProfileModel& model, int end, int width, int height) {
        if (width != mask_.width() || height != mask_.height()) {
            mask_.reset(width, height);
            covered_ = 0;
        } else if (!holdsPrefixOf(model, end)) {
            if (covered_ > 1) {
                mask_.clear();
            }
            covered_ = 0;
        }
        if (covered_ >= end) {
            return;
        }
        forEachSegmentLine(model, covered_, end,
                           [this](PixelPos a, PixelPos b) { mask_.addLine(a, b); });
        for (int i = covered_; i < end; ++i) {
            pixels_[i] = model.point_pixels[i];
            links_[i] = model.link(i);
        }
        covered_ = end;
    }

    void paintOnto(const PixelImage& image, uint32_t color) { mask_.paintOnto(image, color); }

  private:
    // Whether the mask's points are the model's first ones, unmoved and with their links.
    bool holdsPrefixOf(const ProfileModel& model, int end) const {
        if (covered_ > end) {
            return false;
        }
        for (int i = 0; i < covered_; ++i) {
            if (pixels_[i] != model.point_pixels[i] || links_[i] != model.link(i)) {
                return false;
            }
        }
        return true;
    }

    LineMask mask_;
    int covered_ = 0;  // the mask holds points [0, covered_) with these pixels and links
    std::array<PixelPos, kMaxPoints> pixels_{};
    std::array<int8_t, kMaxPoints> links_{};
};

bool normalTickOffset(PixelPos from, PixelPos to, int link, PixelPos& offset) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0) {
        return false;
    }
    offset = PixelPos{static_cast<int32_t>(std::nearbyint(10.0 * link * dy / length)),
                      static_cast<int32_t>(std::nearbyint(-10.0 * link * dx / length))};
    return true;
}

ProfileCanvas::ProfileCanvas() : segments_(std::make_unique<SegmentLayer>()) {}

ProfileCanvas::~ProfileCanvas() = default;

void ProfileCanvas::paint(QImage& buffer, const ProfileModel& model, CanvasOptions options) {
    if (!holds32BitPixels(buffer)) {
        buffer = buffer.convertToFormat(QImage::Format_RGB32);
    }
    const PixelImage image{reinterpret_cast<uint32_t*>(buffer.bits()), buffer.bytesPerLine() / 4,
                           buffer.width(), buffer.height()};
    if (image.bits == nullptr) {
        return;
    }
    const int w = image.width;
    const int h = image.height;
    const int s = model.canvasSize();
    const int count = model.pointCount();

    image.fillRect(0, 0, w, h, kBackground);
    if (options.show_grid) {
        paintGrid(image, model.gridStep());
    }
    image.fillRect(s - 4, 0, 1, h, kFrameColor);
    image.fillRect(0, h - s + 3, w, 1, kFrameColor);
    if (options.axis == Axis::Y) {
        image.wideLine({3, 3}, {3, h - 4}, kAxisColor);
    } else {
        image.wideLine({3, h - 4}, {w - 4, h - 4}, kAxisColor);
    }

    // Segments ending before the last point come from the kept layer, when there are
    // enough of them for it to pay.
    int live_from = 1;
    if (count > 2) {
        segments_->cover(model, count - 1, w, h);
        segments_->paintOnto(image, kSegmentColor);
        live_from = count - 1;
    }
    forEachSegmentLine(model, live_from, count,
                       [&](PixelPos a, PixelPos b) { image.wideLine(a, b, kSegmentColor); });

    if (count > 0) {
        const int last = count - 1;
        for (int i = 0; i < last; ++i) {
            paintMarker(image, model.point_pixels[i], kMarkerColor);
        }
        const uint32_t last_color = model.isDragging()               ? kDraggedColor
                                    : model.link(last) == kLinkStart ? kStrokeStartColor
                                                                     : kJoinedColor;
        paintMarker(image, model.point_pixels[last], last_color);
    }
}

}  // namespace tv
