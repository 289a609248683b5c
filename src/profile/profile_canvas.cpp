#include "profile/profile_canvas.h"

#include <QPainter>
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

QPoint toPoint(PixelPos p) { return QPoint(p.x, p.y); }

void paintMarker(QPainter& p, PixelPos at, const QColor& c) {
    p.fillRect(at.x - 2, at.y - 2, 5, 5, c);
}

}  // namespace

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

void paintProfileCanvas(QImage& buffer, const ProfileModel& model, CanvasOptions options) {
    const int w = buffer.width();
    const int h = buffer.height();
    const int s = model.canvas_size;
    QPainter p(&buffer);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, 0, w, h, kBackground);

    if (options.show_grid) {
        paintGrid(p, w, h, model.grid_step);
    }
    verticalLine(p, s - 4, 0, h, kFrameColor);
    horizontalLine(p, 0, w, h - s + 3, kFrameColor);

    p.setPen(QPen(kAxisColor, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (options.axis == Axis::Y) {
        p.drawLine(3, 3, 3, h - 4);
    } else {
        p.drawLine(3, h - 4, w - 4, h - 4);
    }

    p.setPen(QPen(kSegmentColor, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 1; i < model.point_count; ++i) {
        const int link = model.link(i);
        if (link == kLinkStart) {
            continue;
        }
        const PixelPos a = model.point_pixels[i - 1];
        const PixelPos b = model.point_pixels[i];
        p.drawLine(toPoint(a), toPoint(b));
        PixelPos tick;
        if (normalTickOffset(a, b, link, tick)) {
            // The midpoint's halves round towards zero, as integer division does.
            const QPoint mid((a.x + b.x) / 2, (a.y + b.y) / 2);
            p.drawLine(mid, mid + QPoint(tick.x, tick.y));
        }
    }

    if (model.point_count > 0) {
        const int last = model.point_count - 1;
        for (int i = 0; i < last; ++i) {
            paintMarker(p, model.point_pixels[i], kMarkerColor);
        }
        const QColor& last_color = model.dragging ? kDraggedColor
                                   : model.link(last) == kLinkStart ? kStrokeStartColor
                                                                    : kJoinedColor;
        paintMarker(p, model.point_pixels[last], last_color);
    }
}

}  // namespace tv
