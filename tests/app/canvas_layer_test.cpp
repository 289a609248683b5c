// The profile canvas keeps the rasterised segments from one repaint to the next. These
// tests paint the same profiles the plain way, rasterising every segment each time,
// and expect the same image pixel for pixel: for many random profiles, and along random
// edits (dragging, adding and removing points, moving an earlier point, resizing).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <random>

#include "profile/pixel_image.h"
#include "profile/profile_canvas.h"

namespace tv {
namespace {

// The canvas drawn the simple way: every rectangle with QPainter and every wide line
// rasterised afresh, in the documented order.
QImage referencePicture(QSize size, const ProfileModel& model, CanvasOptions options) {
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width();
    const int h = size.height();
    const int s = model.canvasSize();
    {
        QPainter p(&image);
        p.fillRect(0, 0, w, h, QColor(192, 192, 192));
        if (options.show_grid) {
            const int step = model.gridStep();
            const QColor grey(128, 128, 128);
            for (int y = h - 4; y == h - 4 || y >= 3; y -= step) {
                p.fillRect(3, y, std::max(0, w - 7), 1, grey);
            }
            for (int x = 3; x == 3 || x < w - 3; x += step) {
                p.fillRect(x, 3, 1, std::max(0, h - 7), grey);
            }
        }
        p.fillRect(s - 4, 0, 1, h, Qt::black);
        p.fillRect(0, h - s + 3, w, 1, Qt::black);
    }
    const PixelImage lines{reinterpret_cast<uint32_t*>(image.bits()), image.bytesPerLine() / 4, w,
                           h};
    if (options.axis == Axis::Y) {
        lines.wideLine({3, 3}, {3, h - 4}, qRgb(128, 0, 0));
    } else {
        lines.wideLine({3, h - 4}, {w - 4, h - 4}, qRgb(128, 0, 0));
    }
    const QRgb navy = qRgb(0, 0, 128);
    for (int i = 1; i < model.pointCount(); ++i) {
        const int link = model.link(i);
        if (link == kLinkStart) {
            continue;
        }
        const PixelPos a = model.point_pixels[i - 1];
        const PixelPos b = model.point_pixels[i];
        lines.wideLine(a, b, navy);
        PixelPos tick;
        if (normalTickOffset(a, b, link, tick)) {
            const PixelPos mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
            lines.wideLine(mid, {mid.x + tick.x, mid.y + tick.y}, navy);
        }
    }
    QPainter p(&image);
    for (int i = 0; i < model.pointCount(); ++i) {
        const bool last = i == model.pointCount() - 1;
        const QColor color = !last                         ? QColor(0, 0, 0)
                             : model.isDragging()          ? QColor(0, 255, 0)
                             : model.link(i) == kLinkStart ? QColor(255, 0, 0)
                                                           : QColor(0, 128, 128);
        p.fillRect(model.point_pixels[i].x - 2, model.point_pixels[i].y - 2, 5, 5, color);
    }
    return image;
}

// Where two pictures first differ, for the failure message.
std::string firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return "the sizes differ";
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return "none";
}

class RandomProfiles {
  public:
    explicit RandomProfiles(unsigned seed) : random_(seed) {}

    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    // Mostly inside the drawing area, sometimes on the pixel before, far off, or outside.
    PixelPos pixel(QSize size, PixelPos before) {
        if (chance(0.05)) {
            return before;
        }
        if (chance(0.05)) {
            return {between(-40, size.width() + 40), between(-40, size.height() + 40)};
        }
        if (chance(0.7)) {
            return {std::clamp(before.x + between(-20, 20), 3, size.width() - 4),
                    std::clamp(before.y + between(-20, 20), 3, size.height() - 4)};
        }
        return {between(3, size.width() - 4), between(3, size.height() - 4)};
    }

    int8_t link() { return chance(0.1) ? kLinkStart : chance(0.5) ? kLinkLeft : kLinkFlipped; }

    // Appends a point with a random link, pressed and still held with chance `dragged`.
    void append(ProfileModel& model, QSize size, double dragged) {
        const int i = model.pointCount();
        const PixelPos before =
            i > 0 ? model.point_pixels[i - 1] : PixelPos{size.width() / 2, size.height() / 2};
        const PixelPos at = pixel(size, before);
        if (chance(dragged)) {
            model.beginDrag(at, size.height(), Axis::Y, false);
        } else {
            model.append(at, size.height(), Axis::Y, false);
        }
        model.point_links[i] = link();
    }

    void fill(ProfileModel& model, QSize size, int count) {
        model.clear();
        model.endDrag({}, size.height(), Axis::Y, false);  // a point still held is let go
        model.relayout(SurfaceSize{size.width(), size.height()}, Axis::Y);
        while (model.denserGrid()) {
        }
        for (int sparser = between(0, 3); sparser > 0; --sparser) {
            model.sparserGrid();
        }
        for (int i = 0; i < count; ++i) {
            append(model, size, i == count - 1 ? 0.3 : 0.0);
        }
    }

    CanvasOptions options() { return {chance(0.5), chance(0.5) ? Axis::Y : Axis::X}; }

  private:
    std::mt19937 random_;
};

void expectSameAsReference(ProfileCanvas& canvas, QImage& buffer, const ProfileModel& model,
                           CanvasOptions options, const std::string& what) {
    canvas.paint(buffer, model, options);
    const QImage expected = referencePicture(buffer.size(), model, options);
    EXPECT_TRUE(buffer == expected) << what << ": " << firstDifference(buffer, expected);
}

TEST(CanvasLayer, RandomProfilesPaintAsTheSimplePainterDoes) {
    ProfileCanvas canvas;
    RandomProfiles random(11);
    auto model = std::make_unique<ProfileModel>();
    for (int round = 0; round < 150; ++round) {
        const QSize size(random.between(8, 320), random.between(8, 320));
        random.fill(*model, size, random.between(0, round < 140 ? 120 : kMaxPoints));
        QImage buffer(size, QImage::Format_RGB32);
        expectSameAsReference(canvas, buffer, *model, random.options(),
                              "profile " + std::to_string(round));
        // Painted again with nothing changed, from what was kept.
        expectSameAsReference(canvas, buffer, *model, random.options(),
                              "profile " + std::to_string(round) + " again");
    }
}

TEST(CanvasLayer, EditsPaintAsTheSimplePainterDoes) {
    ProfileCanvas canvas;
    RandomProfiles random(23);
    auto model = std::make_unique<ProfileModel>();
    auto other = std::make_unique<ProfileModel>();
    QSize size(300, 240);
    QImage buffer(size, QImage::Format_RGB32);
    random.fill(*model, size, 60);
    random.fill(*other, size, 30);
    for (int step = 0; step < 600; ++step) {
        std::string what;
        const int last = model->pointCount() - 1;
        switch (random.between(0, 12)) {
            case 0:
            case 1:
            case 2:
                what = "drag the last point";
                if (last >= 0) {
                    model->point_pixels[last] = random.pixel(size, model->point_pixels[last]);
                }
                break;
            case 3:
            case 4:
                what = "add a point";
                if (!model->full()) {
                    random.append(*model, size, 0.5);
                }
                break;
            case 5:
                what = "remove the last point";
                model->removeLast(random.chance(0.5));
                break;
            case 6:
                what = "move an earlier point";
                if (last > 0) {
                    const int i = random.between(0, last - 1);
                    model->point_pixels[i] = random.pixel(size, model->point_pixels[i]);
                }
                break;
            case 7:
                what = "change an earlier link";
                if (last > 0) {
                    model->point_links[random.between(1, last)] = random.link();
                }
                break;
            case 8:
                what = "remove several points";
                for (int n = random.between(2, 8); n > 0; --n) {
                    model->removeLast(false);
                }
                break;
            case 9:
                what = "open another profile";
                random.fill(*model, size, random.between(0, 80));
                break;
            case 10:
                what = "resize";
                size = QSize(random.between(100, 360), random.between(100, 300));
                buffer = QImage(size, QImage::Format_RGB32);
                model->relayout(SurfaceSize{size.width(), size.height()}, Axis::Y);
                break;
            case 11:
                what = "release the dragged point";
                if (last >= 0) {
                    model->endDrag(model->point_pixels[last], size.height(), Axis::Y,
                                   random.chance(0.5));
                }
                break;
            default:
                what = "paint another profile in between";
                {
                    QImage elsewhere(size, QImage::Format_RGB32);
                    expectSameAsReference(canvas, elsewhere, *other, random.options(), what);
                }
                break;
        }
        expectSameAsReference(canvas, buffer, *model, random.options(),
                              "step " + std::to_string(step) + ", " + what);
    }
}

TEST(CanvasLayer, TheLargestProfileOnALargeSurface) {
    ProfileCanvas canvas;
    RandomProfiles random(5);
    auto model = std::make_unique<ProfileModel>();
    const QSize size(1200, 1000);
    random.fill(*model, size, kMaxPoints);
    while (model->denserGrid()) {
    }
    QImage buffer(size, QImage::Format_RGB32);
    expectSameAsReference(canvas, buffer, *model, {true, Axis::Y}, "first paint");
    model->point_pixels[kMaxPoints - 1] = {600, 500};
    expectSameAsReference(canvas, buffer, *model, {true, Axis::Y}, "last point dragged");
}

}  // namespace
}  // namespace tv
