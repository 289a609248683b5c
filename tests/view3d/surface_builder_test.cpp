#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "recording_sink.h"
#include "view3d/surface_builder.h"

namespace tv {
namespace {

using test::Primitive;
using test::RecordingSink;
using test::Vec3;

struct P {
    double x;
    double y;
    int8_t link;
};

// The angle of meridian o, evaluated the way a per-vertex computation would.
double cosOf(int o, int segments) {
    return std::cos(o * (2.0 * std::numbers::pi / segments));
}
double sinOf(int o, int segments) {
    return std::sin(o * (2.0 * std::numbers::pi / segments));
}

void expectVec(const Vec3& actual, double x, double y, double z) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
    EXPECT_EQ(actual.z, z);
}

std::string repeat(const std::string& unit, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += unit;
    }
    return out;
}

bool allFinite(const RecordingSink& sink) {
    for (const Primitive& p : sink.primitives) {
        for (const auto& item : p.items) {
            if (!std::isfinite(item.v.x) || !std::isfinite(item.v.y) || !std::isfinite(item.v.z)) {
                return false;
            }
        }
    }
    return true;
}

class SurfaceBuilder : public ::testing::Test {
  protected:
    void setProfile(std::initializer_list<P> points) {
        std::vector<TProfilePoint> coords;
        std::vector<int8_t> links;
        for (const P& p : points) {
            coords.push_back({p.x, p.y});
            links.push_back(static_cast<int8_t>(p.link));
        }
        profile.replace(static_cast<int>(points.size()), links.data(), coords.data(), false);
    }
    void prepare(int segments, Axis axis = Axis::Y, double zoom = 1.0) {
        frame.prepare(profile, axis, zoom, segments);
    }
    RecordingSink strips(bool with_normals) {
        RecordingSink sink;
        emitStrips(frame, sink, with_normals);
        EXPECT_EQ(sink.misplaced_calls, 0);
        return sink;
    }
    RecordingSink wire() {
        RecordingSink sink;
        emitWireFrame(frame, sink);
        EXPECT_EQ(sink.misplaced_calls, 0);
        return sink;
    }
    RecordingSink normalLines() {
        RecordingSink sink;
        emitNormalLines(frame, sink, {{0.5f, 0.5f, 0.0f}, {1.0f, 1.0f, 0.0f}});
        EXPECT_EQ(sink.misplaced_calls, 0);
        return sink;
    }

    ProfileModel profile;
    SurfaceFrame frame;
};

TEST_F(SurfaceBuilder, StripAboutYTurnsRadiusXWithNormalsBeforeVertices) {
    // An upward stroke right of the axis: with link +1 the normal points to the axis.
    setProfile({{1.0, -0.5, 0}, {1.0, 0.5, 1}});
    const int s = 4;
    prepare(s, Axis::Y, 2.0);
    const RecordingSink sink = strips(true);
    ASSERT_EQ(sink.primitives.size(), 1u);
    const Primitive& strip = sink.primitives[0];
    EXPECT_EQ(strip.mode, gl::kQuadStrip);
    EXPECT_EQ(strip.pattern(), repeat("NV", 2 * (s + 1)));
    const auto v = strip.vertices();
    const auto n = strip.normals();
    for (int o = 0; o <= s; ++o) {
        const double c = cosOf(o, s);
        const double sn = sinOf(o, s);
        expectVec(v[2 * o], 2.0 * c, -1.0, 2.0 * sn);
        expectVec(v[2 * o + 1], 2.0 * c, 1.0, 2.0 * sn);
        expectVec(n[2 * o], -1.0 * c, 0.0, -1.0 * sn);
        expectVec(n[2 * o + 1], -1.0 * c, 0.0, -1.0 * sn);
    }
}

TEST_F(SurfaceBuilder, StripAboutXTurnsRadiusYAndFlipTurnsNormalOutwards) {
    // A stroke along the X axis at radius 1, drawn to the right: link +1 puts the normal
    // above (away from the axis), the flip (-1) below.
    setProfile({{-0.5, 1.0, 0}, {0.5, 1.0, 1}, {0.5, 1.0, 0}, {-0.5, 1.0, -1}});
    const int s = 3;
    prepare(s, Axis::X, 0.5);
    const RecordingSink sink = strips(true);
    ASSERT_EQ(sink.primitives.size(), 2u);
    for (int o = 0; o <= s; ++o) {
        const double c = cosOf(o, s);
        const double sn = sinOf(o, s);
        const auto v = sink.primitives[0].vertices();
        expectVec(v[2 * o], -0.25, 0.5 * c, 0.5 * sn);
        expectVec(v[2 * o + 1], 0.25, 0.5 * c, 0.5 * sn);
        expectVec(sink.primitives[0].normals()[2 * o], 0.0, 1.0 * c, 1.0 * sn);
        // Drawn to the left, +1 would point down; flipped it points up again.
        expectVec(sink.primitives[1].normals()[2 * o], 0.0, 1.0 * c, 1.0 * sn);
    }
}

TEST_F(SurfaceBuilder, NormalCarriedAlongStrokeAndRestartedAtNextStroke) {
    // Stroke 1: up, then right (two segments); stroke 2: a single segment going left.
    setProfile({{1, 0, 0}, {1, 1, 1}, {2, 1, 1}, {1.5, -1, 0}, {0.5, -1, 1}});
    prepare(3);
    const RecordingSink sink = strips(true);
    ASSERT_EQ(sink.primitives.size(), 3u);
    auto first_two = [&](int strip) {
        const auto n = sink.primitives[strip].normals();
        return std::pair{n[0], n[1]};  // meridian 0: at point k - 1, at point k
    };
    const Vec3 up_normal{-1, 0, 0};       // segment 1 goes up
    const Vec3 right_normal{0, 1, 0};     // segment 2 goes right
    const Vec3 left_normal{-0.0, -1, 0};  // segment 4 goes left
    auto [a0, a1] = first_two(0);
    expectVec(a0, up_normal.x, up_normal.y, up_normal.z);
    expectVec(a1, up_normal.x, up_normal.y, up_normal.z);
    auto [b0, b1] = first_two(1);
    expectVec(b0, up_normal.x, up_normal.y, up_normal.z);  // carried from segment 1
    expectVec(b1, right_normal.x, right_normal.y, right_normal.z);
    auto [c0, c1] = first_two(2);
    expectVec(c0, left_normal.x, left_normal.y, left_normal.z);  // not segment 2's
    expectVec(c1, left_normal.x, left_normal.y, left_normal.z);
}

TEST_F(SurfaceBuilder, LinkOfFirstPointIsIgnored) {
    setProfile({{1, 0, 1}, {1, 1, 1}});
    prepare(5);
    const RecordingSink with_link = strips(true);
    const RecordingSink with_link_wire = wire();
    profile.point_links[0] = 0;
    prepare(5);
    const RecordingSink plain = strips(true);
    ASSERT_EQ(with_link.primitives.size(), 1u);
    EXPECT_EQ(with_link.primitives[0].pattern(), plain.primitives[0].pattern());
    EXPECT_EQ(with_link_wire.primitives.size(), wire().primitives.size());
    expectVec(with_link.primitives[0].normals()[0], -1, 0, 0);
}

TEST_F(SurfaceBuilder, WireFrameRingsThenMeridiansAndEmptyRingOfLoneEndPoint) {
    setProfile({{1, 0, 0}, {1, 1, 1}, {0.5, 1, 0}});
    const int s = 4;
    prepare(s);
    const RecordingSink sink = wire();
    ASSERT_EQ(sink.primitives.size(), 4u);
    const std::vector<GlEnum> modes = {gl::kLineStrip, gl::kLineStrip, gl::kLines, gl::kLineStrip};
    for (size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(sink.primitives[i].mode, modes[i]) << i;
    }
    const auto ring1 = sink.primitives[1].vertices();
    ASSERT_EQ(ring1.size(), static_cast<size_t>(s + 1));
    for (int o = 0; o <= s; ++o) {
        expectVec(ring1[o], cosOf(o, s), 1.0, sinOf(o, s));
    }
    const auto meridians = sink.primitives[2].vertices();
    ASSERT_EQ(meridians.size(), static_cast<size_t>(2 * s));
    for (int o = 1; o <= s; ++o) {  // meridian 0 is drawn as meridian s
        expectVec(meridians[2 * (o - 1)], cosOf(o, s), 0.0, sinOf(o, s));
        expectVec(meridians[2 * (o - 1) + 1], cosOf(o, s), 1.0, sinOf(o, s));
    }
    EXPECT_TRUE(sink.primitives[3].items.empty());
}

TEST_F(SurfaceBuilder, EmptyProfileAndLonePoint) {
    setProfile({});
    prepare(7);
    EXPECT_TRUE(strips(true).primitives.empty());
    EXPECT_TRUE(wire().primitives.empty());
    setProfile({{1, 1, 0}});
    prepare(7);
    EXPECT_TRUE(strips(false).primitives.empty());
    EXPECT_TRUE(normalLines().primitives.empty());
    const RecordingSink ring = wire();
    ASSERT_EQ(ring.primitives.size(), 1u);
    EXPECT_TRUE(ring.primitives[0].items.empty());
}

TEST_F(SurfaceBuilder, LonePointInsideProfileKeepsItsRing) {
    setProfile({{1, 0, 0}, {1, 1, 0}, {0.5, 1, 1}});
    prepare(3);
    const RecordingSink sink = wire();
    ASSERT_EQ(sink.primitives.size(), 4u);
    EXPECT_EQ(sink.primitives[0].vertices().size(), 4u);
}

TEST_F(SurfaceBuilder, SegmentCountsGiveVertexPairsPerMeridian) {
    setProfile({{1, 0, 0}, {1, 1, 1}});
    for (int s : {3, 999}) {
        prepare(s);
        const RecordingSink sink = strips(false);
        ASSERT_EQ(sink.primitives.size(), 1u);
        const auto v = sink.primitives[0].vertices();
        ASSERT_EQ(v.size(), static_cast<size_t>(2 * (s + 1))) << s;
        EXPECT_EQ(sink.primitives[0].pattern(), repeat("V", 2 * (s + 1)));
        // The last meridian repeats the first up to rounding.
        EXPECT_NEAR(v[2 * s].x, v[0].x, 1e-12);
        EXPECT_NEAR(v[2 * s].z, v[0].z, 1e-12);
        EXPECT_EQ(v[2].x, cosOf(1, s));
    }
    // 1000 segments cannot be typed; more than 999 are drawn with 999.
    prepare(1000);
    EXPECT_EQ(strips(false).vertexCount(), 2 * 1000);
}

TEST_F(SurfaceBuilder, OneAndTwoSegmentsDrawFlatProfiles) {
    setProfile({{1, 0, 0}, {1, 1, 1}});
    prepare(1);
    const RecordingSink one = wire();
    for (const Primitive& p : one.primitives) {
        for (const Vec3& v : p.vertices()) {
            EXPECT_NEAR(v.z, 0.0, 1e-15);
            EXPECT_EQ(v.x, 1.0);
        }
    }
    EXPECT_EQ(strips(false).vertexCount(), 4);
    prepare(2);
    const auto ring = wire().primitives[0].vertices();
    ASSERT_EQ(ring.size(), 3u);
    EXPECT_EQ(ring[1].x, -1.0);  // the mirror image
    EXPECT_NEAR(ring[1].z, 0.0, 1e-15);
}

TEST_F(SurfaceBuilder, ZeroOrNegativeSegmentsDrawNothing) {
    setProfile({{1, 0, 0}, {1, 1, 1}, {0, 1, 1}});
    for (int s : {0, -1, -99}) {
        prepare(s);
        EXPECT_TRUE(strips(true).primitives.empty()) << s;
        EXPECT_TRUE(wire().primitives.empty()) << s;
        EXPECT_TRUE(normalLines().primitives.empty()) << s;
    }
}

TEST_F(SurfaceBuilder, ZeroLengthSegmentIsSkippedAndStrokeCarriesOn) {
    setProfile({{1, 0, 0}, {1, 1, 1}, {1, 1, 1}, {2, 1, 1}});
    prepare(3);
    const RecordingSink sink = strips(true);
    EXPECT_TRUE(allFinite(sink));
    ASSERT_EQ(sink.primitives.size(), 2u);                 // segments 1 and 3
    expectVec(sink.primitives[1].normals()[0], -1, 0, 0);  // carried from segment 1
    EXPECT_EQ(normalLines().primitives.size(), 2u);
    const RecordingSink lines = wire();
    EXPECT_TRUE(allFinite(lines));
    EXPECT_EQ(lines.primitives.size(), 7u);  // 4 rings, 3 meridian batches
}

TEST_F(SurfaceBuilder, ZeroLengthFirstSegmentLetsNextSegmentStartTheStroke) {
    setProfile({{1, 0, 0}, {1, 0, 1}, {2, 0, 1}});
    prepare(3);
    const RecordingSink sink = strips(true);
    ASSERT_EQ(sink.primitives.size(), 1u);
    expectVec(sink.primitives[0].normals()[0], -0.0, 1, 0);
}

TEST_F(SurfaceBuilder, NonFinitePointsNeverReachTheSink) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    setProfile({{1, 0, 0}, {1, 1, 1}, {nan, 1, 1}, {2, 2, 1}, {2, 3, 1}, {inf, 0, 0}, {1, 0, 1}});
    prepare(5);
    const RecordingSink strip_sink = strips(true);
    const RecordingSink wire_sink = wire();
    const RecordingSink line_sink = normalLines();
    EXPECT_TRUE(allFinite(strip_sink));
    EXPECT_TRUE(allFinite(wire_sink));
    EXPECT_TRUE(allFinite(line_sink));
    // Segments 1 and 4 remain; segment 4 restarts its normal after the broken ones.
    ASSERT_EQ(strip_sink.primitives.size(), 2u);
    expectVec(strip_sink.primitives[1].normals()[0], -1, 0, 0);
    // Rings of the five finite points, meridians of segments 1 and 4.
    EXPECT_EQ(wire_sink.primitives.size(), 7u);
    // A zoom that overflows a coordinate counts as non-finite too.
    setProfile({{1, 0, 0}, {1e308, 1, 1}});
    prepare(5, Axis::Y, 10.0);
    EXPECT_TRUE(strips(true).primitives.empty());
    EXPECT_TRUE(allFinite(wire()));
}

TEST_F(SurfaceBuilder, NormalLinesAreOneUnitLongWhateverTheZoom) {
    setProfile({{1, 0, 0}, {1, 1, 1}, {2, 1, 1}});
    const int s = 3;
    prepare(s, Axis::Y, 3.0);
    const RecordingSink sink = normalLines();
    ASSERT_EQ(sink.primitives.size(), 2u);
    const Primitive& second = sink.primitives[1];
    EXPECT_EQ(second.mode, gl::kLines);
    ASSERT_EQ(second.vertices().size(), static_cast<size_t>(4 * (s + 1)));
    const auto colors = second.of(Primitive::Kind::Color);
    expectVec(colors[0], 0.5, 0.5, 0.0);
    expectVec(colors[1], 1.0, 1.0, 0.0);
    EXPECT_EQ(second.pattern().substr(0, 8), "CVCVCVCV");
    const auto v = second.vertices();
    for (int o = 0; o <= s; ++o) {
        const double c = cosOf(o, s);
        const double sn = sinOf(o, s);
        // From point 1 (3, 3 scaled) along the carried normal (-1, 0) of segment 1.
        expectVec(v[4 * o], 3.0 * c, 3.0, 3.0 * sn);
        expectVec(v[4 * o + 1], 3.0 * c + -1.0 * c, 3.0 + 0.0, 3.0 * sn + -1.0 * sn);
        // From point 2 (6, 3) along its own normal (0, 1).
        expectVec(v[4 * o + 2], 6.0 * c, 3.0, 6.0 * sn);
        expectVec(v[4 * o + 3], 6.0 * c + -0.0 * c, 3.0 + 1.0, 6.0 * sn + -0.0 * sn);
    }
}

}  // namespace
}  // namespace tv
