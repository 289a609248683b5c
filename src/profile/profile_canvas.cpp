#include "profile/profile_canvas.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace tv {

namespace {

const QColor kBackground(192, 192, 192);
const QColor kGridColor(128, 128, 128);
const QColor kFrameColor(0, 0, 0);
const QColor kAxisColor(128, 0, 0);
const QColor kSegmentColor(0, 0, 128);
const QColor kMarkerColor(0, 0, 0);
const QColor kDraggedColor(0, 255, 0);
const QColor kStrokeStartColor(255, 0, 0);
const QColor kJoinedColor(0, 128, 128);

// The 3-pixel pens with round ends, made once: a pen allocates its data.
QPen widePen(const QColor& color) {
    return QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QPen& axisPen() {
    static const QPen pen = widePen(kAxisColor);
    return pen;
}

const QPen& segmentPen() {
    static const QPen pen = widePen(kSegmentColor);
    return pen;
}

const QPen& maskPen() {
    static const QPen pen = widePen(Qt::white);
    return pen;
}

// One-pixel lines are axis-aligned and leave out their end pixel, so they are drawn
// as rectangles: that keeps every pixel exactly where the layout rules put it.
void horizontalLine(QPainter& p, int x1, int x2, int y, const QColor& c) {
    if (x2 > x1) {
        p.fillRect(x1, y, x2 - x1, 1, c);
    }
}

void verticalLine(QPainter& p, int x, int y1, int y2, const QColor& c) {
    if (y2 > y1) {
        p.fillRect(x, y1, 1, y2 - y1, c);
    }
}

void paintGrid(QPainter& p, int w, int h, int step) {
    step = step > 0 ? step : 10;
    int y = h - 4;
    do {
        horizontalLine(p, 3, w - 4, y, kGridColor);
        y -= step;
    } while (y >= 3);
    int x = 3;
    do {
        verticalLine(p, x, 3, h - 4, kGridColor);
        x += step;
    } while (x < w - 3);
}

QPoint toPoint(PixelPos p) {
    return QPoint(p.x, p.y);
}

void paintMarker(QPainter& p, PixelPos at, const QColor& c) {
    p.fillRect(at.x - 2, at.y - 2, 5, 5, c);
}

// The segment from `a` to `b` and its normal tick, in the painter's pen.
void paintSegment(QPainter& p, PixelPos a, PixelPos b, int link) {
    p.drawLine(toPoint(a), toPoint(b));
    PixelPos tick;
    if (normalTickOffset(a, b, link, tick)) {
        // The midpoint's halves round towards zero, as integer division does.
        const QPoint mid((a.x + b.x) / 2, (a.y + b.y) / 2);
        p.drawLine(mid, mid + QPoint(tick.x, tick.y));
    }
}

// Paints the segments that end at points [from, to) of the model.
void paintSegments(QPainter& p, const ProfileModel& model, int from, int to) {
    for (int i = std::max(from, 1); i < to; ++i) {
        const int link = model.link(i);
        if (link != kLinkStart) {
            paintSegment(p, model.point_pixels[i - 1], model.point_pixels[i], link);
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

// Stroking a wide line with round ends is by far the dearest part of a repaint, and while
// a point is dragged or added only the segments at the end of the profile change. So the
// pixels that the segments and ticks cover are kept in a mask from one repaint to the next,
// for every segment but the one ending at the last point, and stroked again only when an
// earlier point moved or the surface changed size. Every covered pixel takes the segment
// colour whatever stroke covers it, so the mask gives exactly the pixels of direct painting.
class SegmentLayer {
  public:
    // Makes the mask hold the segments ending at points [1, end) of the model for a
    // surface of `size`, stroking only those it does not hold yet. False when there is no
    // memory for the mask.
    bool cover(const ProfileModel& model, int end, QSize size) {
        if (mask_.size() != size) {
            // Premultiplied 32-bit pixels: the raster engine's fastest solid fills.
            mask_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
            covered_ = 0;
            if (mask_.isNull()) {
                return false;
            }
            mask_.fill(0);
        } else if (!holdsPrefixOf(model, end)) {
            if (covered_ > 1) {
                mask_.fill(0);
            }
            covered_ = 0;
        }
        if (covered_ >= end) {
            return true;
        }
        {
            QPainter p(&mask_);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(maskPen());
            paintSegments(p, model, covered_, end);
        }
        for (int i = covered_; i < end; ++i) {
            pixels_[i] = model.point_pixels[i];
            links_[i] = model.link(i);
        }
        covered_ = end;
        return true;
    }

    // Sets every covered pixel of a 32-bit image of the mask's size to `color`.
    void paintOnto(QImage& image, QRgb color) const {
        uchar* bits = image.bits();
        const qsizetype stride = image.bytesPerLine();
        const int w = mask_.width();
        for (int y = 0; y < mask_.height(); ++y) {
            const auto* covered = reinterpret_cast<const QRgb*>(mask_.constScanLine(y));
            auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
            int x = 0;
            // Most of the surface is bare: pass over it four pixels at a time.
            for (; x + 4 <= w; x += 4) {
                if ((covered[x] | covered[x + 1] | covered[x + 2] | covered[x + 3]) != 0) {
                    for (int i = x; i < x + 4; ++i) {
                        row[i] = covered[i] != 0 ? color : row[i];
                    }
                }
            }
            for (; x < w; ++x) {
                row[x] = covered[x] != 0 ? color : row[x];
            }
        }
    }

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

    QImage mask_;
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
    const int w = buffer.width();
    const int h = buffer.height();
    const int s = model.canvas_size;
    const int count = std::min<int>(model.point_count, kMaxPoints);
    // Segments ending before the last point come from the kept layer, when it pays.
    const bool layered =
        count > 2 && holds32BitPixels(buffer) && segments_->cover(model, count - 1, buffer.size());
    const int live_from = layered ? count - 1 : 1;

    {
        QPainter p(&buffer);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(0, 0, w, h, kBackground);
        if (options.show_grid) {
            paintGrid(p, w, h, model.grid_step);
        }
        verticalLine(p, s - 4, 0, h, kFrameColor);
        horizontalLine(p, 0, w, h - s + 3, kFrameColor);

        p.setPen(axisPen());
        if (options.axis == Axis::Y) {
            p.drawLine(3, 3, 3, h - 4);
        } else {
            p.drawLine(3, h - 4, w - 4, h - 4);
        }
    }
    if (layered) {
        segments_->paintOnto(buffer, kSegmentColor.rgb());
    }

    QPainter p(&buffer);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(segmentPen());
    paintSegments(p, model, live_from, count);

    if (count > 0) {
        const int last = count - 1;
        for (int i = 0; i < last; ++i) {
            paintMarker(p, model.point_pixels[i], kMarkerColor);
        }
        const QColor& last_color = model.dragging                   ? kDraggedColor
                                   : model.link(last) == kLinkStart ? kStrokeStartColor
                                                                    : kJoinedColor;
        paintMarker(p, model.point_pixels[last], last_color);
    }
}

}  // namespace tv
