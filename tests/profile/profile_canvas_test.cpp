#include <gtest/gtest.h>

#include <QImage>

#include "profile/profile_canvas.h"

namespace tv {
namespace {

const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kMaroon = qRgb(128, 0, 0);
const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kLime = qRgb(0, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kTeal = qRgb(0, 128, 128);

struct Canvas {
    QImage image;
    ProfileModel model;
    ProfileCanvas canvas;

    explicit Canvas(SurfaceSize size, Axis axis = Axis::Y)
        : image(size.width, size.height, QImage::Format_RGB32) {
        model.relayout(size, axis);
    }
    void add(PixelPos at, int8_t link) {
        ASSERT_TRUE(model.append(at, image.height(), Axis::Y, false));
        model.point_links[model.pointCount() - 1] = link;
    }
    QRgb at(int x, int y) const { return image.pixel(x, y) | 0xFF000000u; }
    void paint(bool grid = false, Axis axis = Axis::Y) {
        canvas.paint(image, model, CanvasOptions{grid, axis});
    }
};

TEST(ProfileCanvas, EmptyProfileOnAWideSurface) {
    Canvas c(SurfaceSize{400, 300});  // S = 300: the area is the square at the left
    c.paint();
    EXPECT_EQ(c.at(200, 150), kSilver);
    // Frame: column S-4 over the whole height, row H-S+3 over the whole width.
    EXPECT_EQ(c.at(296, 0), kBlack);
    EXPECT_EQ(c.at(296, 299), kBlack);
    EXPECT_EQ(c.at(295, 150), kSilver);
    EXPECT_EQ(c.at(297, 150), kSilver);
    EXPECT_EQ(c.at(399, 3), kBlack);
    EXPECT_EQ(c.at(399, 4), kSilver);
    // Y axis: the left edge of the area, 3 pixels wide.
    EXPECT_EQ(c.at(3, 150), kMaroon);
    EXPECT_EQ(c.at(2, 150), kMaroon);
    EXPECT_EQ(c.at(4, 150), kMaroon);
    EXPECT_EQ(c.at(6, 150), kSilver);
}

TEST(ProfileCanvas, XAxisRunsAcrossTheWholeWidth) {
    Canvas c(SurfaceSize{400, 300}, Axis::X);
    c.paint(false, Axis::X);
    EXPECT_EQ(c.at(350, 296), kMaroon);
    EXPECT_EQ(c.at(3, 150), kSilver);
}

TEST(ProfileCanvas, GridIsAnchoredAtTheBottomLeftOfTheArea) {
    Canvas c(SurfaceSize{300, 200});
    ASSERT_EQ(c.model.gridStep(), 10);
    c.paint(true);
    // Vertical lines at x = 3, 13, 23 ... over rows 3..H-5; horizontal at y = H-4, H-14 ...
    EXPECT_EQ(c.at(13, 100), kGrey);
    EXPECT_EQ(c.at(283, 100), kGrey);
    EXPECT_EQ(c.at(14, 100), kSilver);
    EXPECT_EQ(c.at(100, 196 - 10), kGrey);
    EXPECT_EQ(c.at(100, 196 - 11), kSilver);
    EXPECT_EQ(c.at(13, 2), kSilver);     // lines start at row 3
    EXPECT_EQ(c.at(13, 196), kGrey);     // the bottom line
    EXPECT_EQ(c.at(296, 196), kSilver);  // and ends before W-4
    c.model.sparserGrid();
    c.model.sparserGrid();
    c.paint(true);
    EXPECT_EQ(c.at(13, 100), kSilver);
    EXPECT_EQ(c.at(43, 100), kGrey);
}

TEST(ProfileCanvas, MarkersAreFiveByFiveAndTheLastShowsItsState) {
    Canvas c(SurfaceSize{300, 300});
    c.add({100, 100}, 0);
    c.add({200, 100}, 1);
    c.paint();
    EXPECT_EQ(c.at(98, 98), kBlack);
    EXPECT_EQ(c.at(102, 102), kBlack);
    EXPECT_EQ(c.at(100, 96), kSilver);
    EXPECT_EQ(c.at(100, 103), kSilver);
    EXPECT_EQ(c.at(200, 100), kTeal);
    ASSERT_TRUE(c.model.beginDrag({250, 200}, 300, Axis::Y, false));
    c.paint();
    EXPECT_EQ(c.at(252, 202), kLime);
    EXPECT_EQ(c.at(200, 100), kBlack);
    ASSERT_TRUE(c.model.endDrag({250, 200}, 300, Axis::Y, false));
    c.add({250, 250}, 0);
    c.paint();
    EXPECT_EQ(c.at(250, 250), kRed);
    EXPECT_EQ(c.at(250, 200), kBlack);
}

TEST(ProfileCanvas, NormalTickStandsOnTheNormalSide) {
    Canvas c(SurfaceSize{300, 300});
    c.add({100, 200}, 0);
    c.add({200, 200}, 1);  // drawn to the right: the left side is up
    c.paint();
    EXPECT_EQ(c.at(150, 193), kNavy);
    EXPECT_EQ(c.at(150, 207), kSilver);
    c.model.point_links[1] = -1;
    c.paint();
    EXPECT_EQ(c.at(150, 193), kSilver);
    EXPECT_EQ(c.at(150, 207), kNavy);
}

TEST(ProfileCanvas, TickOffsetsRoundHalvesToEvenAndSkipZeroLength) {
    PixelPos offset;
    ASSERT_TRUE(normalTickOffset({0, 0}, {3, 4}, 1, offset));
    EXPECT_EQ(offset, (PixelPos{8, -6}));
    ASSERT_TRUE(normalTickOffset({0, 0}, {3, 4}, -1, offset));
    EXPECT_EQ(offset, (PixelPos{-8, 6}));
    EXPECT_FALSE(normalTickOffset({5, 5}, {5, 5}, 1, offset));
}

TEST(ProfileCanvas, SegmentWhoseEndsShareAPixelDrawsNoTick) {
    Canvas c(SurfaceSize{300, 300});
    c.add({150, 150}, 0);
    c.add({150, 150}, 1);
    c.paint();
    int navy = 0;
    for (int y = 130; y < 170; ++y) {
        for (int x = 130; x < 170; ++x) {
            navy += c.at(x, y) == kNavy;
        }
    }
    EXPECT_LE(navy, 9);  // at most the dot of the degenerate line under the marker
}

TEST(ProfileCanvas, TinyAndEmptySurfacesPaintWithinTheirPixels) {
    // The window keeps a 1 x 1 picture while the surface has no size; the sanitizer build
    // catches any write outside the image.
    for (const QSize size : {QSize(1, 1), QSize(1, 7), QSize(7, 1), QSize(3, 3), QSize(0, 0)}) {
        Canvas c(SurfaceSize{size.width(), size.height()});
        c.image = QImage(size, QImage::Format_RGB32);
        c.model.denserGrid();  // the smallest spacing, 5: the most lines
        for (const PixelPos at :
             {PixelPos{0, 0}, PixelPos{-5, 9}, PixelPos{2, 2}, PixelPos{1, 0}, PixelPos{40, -40}}) {
            c.add(at, 1);
        }
        c.paint(true, Axis::Y);
        c.paint(true, Axis::X);
        if (!size.isEmpty()) {
            EXPECT_EQ(c.image.size(), size);
        }
    }
}

}  // namespace
}  // namespace tv
