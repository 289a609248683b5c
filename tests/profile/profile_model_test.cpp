#include <gtest/gtest.h>

#include "profile/profile_model.h"

namespace tv {
namespace {

// A 306 x 306 surface: S = 306, scale k = 150 pixels per unit, area columns 3..302.
constexpr SurfaceSize kSquare{306, 306};

ProfileModel laidOut(SurfaceSize size, Axis axis = Axis::Y) {
    ProfileModel model;
    model.relayout(size, axis);
    return model;
}

std::vector<int> links(const ProfileModel& m) {
    return std::vector<int>(m.point_links.begin(), m.point_links.begin() + m.pointCount());
}

TEST(ProfileModel, PixelToProfileOnBothAxes) {
    ProfileModel m = laidOut(kSquare);
    // Bottom-left corner of the area is (0, -1) about Y and (-1, 0) about X.
    TProfilePoint p = m.pixelToProfile({3, 302}, 306, Axis::Y);
    EXPECT_DOUBLE_EQ(p.x, 0.0);
    EXPECT_DOUBLE_EQ(p.y, -1.0);
    p = m.pixelToProfile({3, 302}, 306, Axis::X);
    EXPECT_DOUBLE_EQ(p.x, -1.0);
    EXPECT_DOUBLE_EQ(p.y, 0.0);
    p = m.pixelToProfile({153, 152}, 306, Axis::Y);
    EXPECT_DOUBLE_EQ(p.x, 1.0);
    EXPECT_DOUBLE_EQ(p.y, 0.0);
}

TEST(ProfileModel, ProfileToPixelRoundsHalvesToEvenAndLimits) {
    ProfileModel m = laidOut(SurfaceSize{10, 10});  // k = 2 pixels per unit
    // u * 2 = 0.5 rounds to 0, 1.5 rounds to 2, 2.5 rounds to 2.
    EXPECT_EQ(m.profileToPixel({0.25, -1.0}, 10, Axis::Y).x, 3);
    EXPECT_EQ(m.profileToPixel({0.75, -1.0}, 10, Axis::Y).x, 5);
    EXPECT_EQ(m.profileToPixel({1.25, -1.0}, 10, Axis::Y).x, 5);
    // Outside the area: x limited to 3..S-4, y to H-S..H-4.
    EXPECT_EQ(m.profileToPixel({50.0, 50.0}, 10, Axis::Y), (PixelPos{6, 0}));
    EXPECT_EQ(m.profileToPixel({-50.0, -50.0}, 10, Axis::Y), (PixelPos{3, 6}));
    // Values that are not numbers land on the edge instead of overflowing.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(m.profileToPixel({nan, inf}, 10, Axis::Y), (PixelPos{3, 0}));
}

TEST(ProfileModel, PlacedPixelsComeBackExactlyAfterRelayout) {
    for (SurfaceSize size : {kSquare, SurfaceSize{417, 251}, SurfaceSize{251, 417}}) {
        for (Axis axis : {Axis::Y, Axis::X}) {
            ProfileModel m = laidOut(size, axis);
            const int s = size.side();
            for (int x = 3; x <= s - 4; x += 7) {
                const int y = size.height - 4 - (x - 3);
                m.append({x, y}, size.height, axis, false);
            }
            const auto placed = m.point_pixels;
            m.relayout(size, axis);
            for (int i = 0; i < m.pointCount(); ++i) {
                EXPECT_EQ(m.point_pixels[i], placed[i]) << "point " << i;
            }
        }
    }
}

TEST(ProfileModel, LinksInContinuousSeparateAndFlippedDrawing) {
    // Continuous: every press and release joins the next point.
    ProfileModel m = laidOut(kSquare);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(m.beginDrag({10 + i, 100}, 306, Axis::Y, false));
        ASSERT_TRUE(m.endDrag({10 + i, 100}, 306, Axis::Y, false));
    }
    EXPECT_EQ(links(m), (std::vector<int>{0, 1, 1, 1}));

    // Separate: releases alternate between a segment's two ends; flipped gives -1.
    ProfileModel s = laidOut(kSquare);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(s.beginDrag({10 + i, 100}, 306, Axis::Y, true));
        ASSERT_TRUE(s.endDrag({10 + i, 100}, 306, Axis::Y, true));
    }
    EXPECT_EQ(links(s), (std::vector<int>{0, -1, 0, -1}));
}

TEST(ProfileModel, PointAfterALonePointIsAlwaysJoined) {
    ProfileModel m = laidOut(kSquare);
    m.append({10, 10}, 306, Axis::Y, false);
    EXPECT_TRUE(m.nextStartsStroke());
    m.append({20, 20}, 306, Axis::Y, false);
    EXPECT_EQ(links(m), (std::vector<int>{0, 1}));
}

TEST(ProfileModel, DraggedPointFollowsTheMouseAndIsDroppedOnThePointBefore) {
    ProfileModel m = laidOut(kSquare);
    EXPECT_FALSE(m.dragTo({40, 40}, 306, Axis::Y));  // no press: nothing follows
    EXPECT_FALSE(m.endDrag({40, 40}, 306, Axis::Y, false));
    ASSERT_TRUE(m.beginDrag({50, 100}, 306, Axis::Y, false));
    EXPECT_TRUE(m.isDragging());
    EXPECT_FALSE(m.dragTo({50, 100}, 306, Axis::Y));  // already there
    EXPECT_TRUE(m.dragTo({80, 120}, 306, Axis::Y));
    EXPECT_EQ(m.point_pixels[0], (PixelPos{80, 120}));
    EXPECT_DOUBLE_EQ(m.points[0].x, m.pixelToProfile({80, 120}, 306, Axis::Y).x);
    ASSERT_TRUE(m.endDrag({90, 130}, 306, Axis::Y, false));
    EXPECT_FALSE(m.isDragging());
    EXPECT_EQ(m.point_pixels[0], (PixelPos{90, 130}));
    // A point released on the pixel of the point before it is dropped.
    ASSERT_TRUE(m.beginDrag({10, 10}, 306, Axis::Y, false));
    ASSERT_TRUE(m.endDrag({90, 130}, 306, Axis::Y, false));
    EXPECT_EQ(m.pointCount(), 1);
    // A full profile takes no press.
    std::vector<int8_t> l(kMaxPoints, 1);
    std::vector<TProfilePoint> p(kMaxPoints);
    m.replace(kMaxPoints, l.data(), p.data(), false);
    EXPECT_FALSE(m.beginDrag({10, 10}, 306, Axis::Y, false));
    EXPECT_FALSE(m.isDragging());
}

TEST(ProfileModel, GridSpacingHalvesAndDoublesWithinFiveToForty) {
    ProfileModel m;
    EXPECT_EQ(m.gridStep(), 10);
    EXPECT_TRUE(m.denserGrid());
    EXPECT_FALSE(m.denserGrid());
    EXPECT_EQ(m.gridStep(), 5);
    for (int step : {10, 20, 40}) {
        EXPECT_TRUE(m.sparserGrid());
        EXPECT_EQ(m.gridStep(), step);
    }
    EXPECT_FALSE(m.sparserGrid());
    EXPECT_EQ(m.gridStep(), 40);
}

TEST(ProfileModel, RemoveLastRecomputesWhereTheNextPointGoes) {
    ProfileModel m = laidOut(kSquare);
    const int8_t l[] = {0, 1, 1};
    const TProfilePoint p[3] = {};
    m.replace(3, l, p, false);
    m.removeLast(true);  // separate mode, two points left: next begins a new segment
    EXPECT_TRUE(m.nextStartsStroke());
    m.replace(3, l, p, false);
    m.removeLast(false);  // continuous: the stroke goes on
    EXPECT_FALSE(m.nextStartsStroke());
    m.removeLast(false);  // back to the lone start point
    EXPECT_TRUE(m.nextStartsStroke());
    m.removeLast(false);
    m.removeLast(false);  // on an empty profile nothing happens
    EXPECT_EQ(m.pointCount(), 0);
}

TEST(ProfileModel, StartNewStrokeDropsOnlyATrailingLonePoint) {
    ProfileModel m = laidOut(kSquare);
    const int8_t l[] = {0, 1, 0};
    const TProfilePoint p[3] = {};
    m.replace(3, l, p, false);
    m.startNewStroke();
    EXPECT_EQ(m.pointCount(), 2);
    EXPECT_TRUE(m.nextStartsStroke());
    m.replace(2, l, p, false);  // the stroke goes on from a joined point
    ASSERT_FALSE(m.nextStartsStroke());
    m.startNewStroke();
    EXPECT_EQ(m.pointCount(), 2);
    EXPECT_TRUE(m.nextStartsStroke());
}

TEST(ProfileModel, AxisSwitchKeepsScreenPositionAndRoundTrips) {
    ProfileModel m = laidOut(kSquare, Axis::Y);
    m.append({50, 200}, 306, Axis::Y, false);
    m.append({120, 40}, 306, Axis::Y, false);
    const auto before = m.points;
    const auto pixels = m.point_pixels;
    m.convertAxis(Axis::X);
    m.relayout(kSquare, Axis::X);
    EXPECT_EQ(m.point_pixels[0], pixels[0]);
    EXPECT_EQ(m.point_pixels[1], pixels[1]);
    m.convertAxis(Axis::Y);
    for (int i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(m.points[i].x, before[i].x);
        EXPECT_DOUBLE_EQ(m.points[i].y, before[i].y);
    }
}

TEST(ProfileModel, CapacityAndReplaceLimits) {
    ProfileModel m = laidOut(kSquare);
    for (int i = 0; i < kMaxPoints; ++i) {
        ASSERT_TRUE(m.append({10, 10}, 306, Axis::Y, false));
    }
    EXPECT_FALSE(m.append({10, 10}, 306, Axis::Y, false));
    EXPECT_EQ(m.pointCount(), kMaxPoints);

    std::vector<int8_t> l(kMaxPoints + 10, 1);
    std::vector<TProfilePoint> p(kMaxPoints + 10);
    m.replace(kMaxPoints + 10, l.data(), p.data(), false);
    EXPECT_EQ(m.pointCount(), kMaxPoints);
    m.replace(0, l.data(), p.data(), false);
    EXPECT_TRUE(m.nextStartsStroke());
}

TEST(ProfileModel, LinkOfTheFirstPointIsReadAsAStart) {
    ProfileModel m;
    const int8_t l[] = {-1, 1};
    const TProfilePoint p[2] = {};
    m.replace(2, l, p, false);
    EXPECT_EQ(m.link(0), kLinkStart);
    EXPECT_EQ(m.link(1), kLinkLeft);

    // Back to a first point stored with a segment mark: it is a lone point, so the
    // next point joins it and a mode button removes it.
    m.removeLast(false);
    EXPECT_TRUE(m.nextStartsStroke());
    m.startNewStroke();
    EXPECT_EQ(m.pointCount(), 0);

    m.replace(1, l, p, true);
    EXPECT_TRUE(m.nextStartsStroke());
    m.relayout(kSquare, Axis::Y);
    ASSERT_TRUE(m.append({50, 50}, 306, Axis::Y, false));
    EXPECT_EQ(m.link(1), kLinkLeft);
}

}  // namespace
}  // namespace tv
