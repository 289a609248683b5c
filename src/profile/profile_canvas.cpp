#include "profile/profile_canvas.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <vector>

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
    int x = 3;
    do {
        image.fillRect(x, 3, 1, h - 7, kGridColor);
        x += step;
    } while (x < w - 3);
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
// whatever line covers it, so the mask gives exactly the pixels of direct painting. One bit
// a pixel keeps the mask of a large surface within the processor's cache. The mask is kept
// in strips 64 pixels wide, a word a row, with the words of a strip one after the other
// down the surface: a steep line, which sets a word or two a row, then walks through
// adjacent words instead of jumping a whole row of words each time.
class SegmentLayer {
  public:
    // Makes the mask hold the segments ending at points [1, end) of the model for a
    // `width` x `height` surface, rasterising only those it does not hold yet.
    void cover(const ProfileModel& model, int end, int width, int height) {
        if (width != width_ || height != height_) {
            width_ = width;
            height_ = height;
            strips_ = (static_cast<size_t>(width) + 63) / 64;
            mask_.assign(strips_ * static_cast<size_t>(height), 0);
            covered_ = 0;
        } else if (!holdsPrefixOf(model, end)) {
            if (covered_ > 1) {
                std::fill(mask_.begin(), mask_.end(), uint64_t{0});
            }
            covered_ = 0;
        }
        if (covered_ >= end) {
            return;
        }
        // Held by value, and none as a 64-bit integer: the compiler would otherwise have to
        // take the mask's words for possible aliases of them and load them again every row.
        uint64_t* const mask = mask_.data();
        forEachSegmentLine(model, covered_, end, [mask, width, height](PixelPos a, PixelPos b) {
            forEachWideLineSpan(a, b, width, height, [mask, height](int y, int first, int last) {
                setBits(mask + y, static_cast<unsigned>(height), static_cast<unsigned>(first),
                        static_cast<unsigned>(last));
            });
        });
        for (int i = covered_; i < end; ++i) {
            pixels_[i] = model.point_pixels[i];
            links_[i] = model.link(i);
        }
        covered_ = end;
    }

    // Sets every covered pixel of an image of the mask's size to `color`.
    void paintOnto(const PixelImage& image, uint32_t color) const {
        const auto strip_words = static_cast<size_t>(height_);
        for (int y = 0; y < height_; ++y) {
            const uint64_t* words = mask_.data() + y;
            uint32_t* row = image.row(y);
            for (size_t word = 0; word < strips_; ++word) {
                uint64_t bits = words[word * strip_words];
                if (bits == ~uint64_t{0}) {
                    std::fill_n(row + word * 64, 64, color);
                    continue;
                }
                for (; bits != 0; bits &= bits - 1) {
                    row[word * 64 + static_cast<size_t>(std::countr_zero(bits))] = color;
                }
            }
        }
    }

  private:
    // Sets bits first..last (inclusive, 0 <= first <= last) of the row whose word in the
    // first strip is `row`, with the strips `strip_words` words apart.
    static void setBits(uint64_t* row, unsigned strip_words, unsigned first, unsigned last) {
        const unsigned first_strip = first / 64;
        const unsigned last_strip = last / 64;
        const uint64_t from_first = ~uint64_t{0} << (first % 64);
        const uint64_t to_last = ~uint64_t{0} >> (63 - last % 64);
        if (first_strip == last_strip) {
            row[first_strip * strip_words] |= from_first & to_last;
            return;
        }
        row[first_strip * strip_words] |= from_first;
        for (unsigned strip = first_strip + 1; strip < last_strip; ++strip) {
            row[strip * strip_words] = ~uint64_t{0};
        }
        row[last_strip * strip_words] |= to_last;
    }

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

    std::vector<uint64_t> mask_;  // a bit a pixel, set where covered, in strips of `height_` words
    int width_ = 0;
    int height_ = 0;
    size_t strips_ = 0;
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
