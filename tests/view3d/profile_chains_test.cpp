#include "view3d/profile_chains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace tv {
namespace {

struct Entry {
    double x;
    double y;
    int8_t link;
};

std::vector<ProfileChain> chainsOf(const std::vector<Entry>& entries, Axis axis = Axis::Y) {
    std::vector<int8_t> links;
    std::vector<TProfilePoint> points;
    for (const Entry& e : entries) {
        links.push_back(e.link);
        points.push_back({e.x, e.y});
    }
    auto profile = std::make_unique<ProfileModel>();
    profile->replace(static_cast<int>(points.size()), links.data(), points.data(), false);
    return chainProfile(*profile, axis);
}

std::vector<std::pair<double, double>> pointsOf(const ProfileChain& chain) {
    std::vector<std::pair<double, double>> out;
    for (const TProfilePoint& p : chain.points) {
        out.emplace_back(p.x, p.y);
    }
    return out;
}

using Points = std::vector<std::pair<double, double>>;
using Sides = std::vector<uint8_t>;

TEST(ProfileChains, SegmentsJoinThroughPointsWhereExactlyTwoEnd) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Two strokes meeting head to head (the second runs against its drawing direction, so
    // its normal changes side), with a zero-length segment and a point of -0 in between;
    // a broken segment to a point that is not a number takes no part.
    std::vector<ProfileChain> chains = chainsOf(
        {{1, 0, 0}, {1, 1, 1}, {1, 1, 1}, {0, 2, -1}, {2, 2, 0}, {-0.0, 2, 1}, {nan, 3, 1}});
    ASSERT_EQ(chains.size(), 1u);
    EXPECT_FALSE(chains[0].closed);
    EXPECT_EQ(pointsOf(chains[0]), (Points{{1, 0}, {1, 1}, {0, 2}, {2, 2}}));
    EXPECT_EQ(chains[0].normal_left, (Sides{1, 0, 0}));

    // A point where three segments end stops every chain through it.
    chains = chainsOf({{0, 0, 0}, {1, 1, 1}, {2, 0, 1}, {1, 1, 0}, {1, 2, -1}});
    ASSERT_EQ(chains.size(), 3u);
    EXPECT_EQ(pointsOf(chains[0]), (Points{{0, 0}, {1, 1}}));
    EXPECT_EQ(pointsOf(chains[1]), (Points{{1, 1}, {2, 0}}));
    EXPECT_EQ(pointsOf(chains[2]), (Points{{1, 1}, {1, 2}}));
    EXPECT_EQ(chains[2].normal_left, Sides{0});

    // Two triangles touching at one point: two closed chains, from that point back to it.
    chains = chainsOf(
        {{1, 0, 0}, {2, 0, 1}, {1, 1, 1}, {1, 0, 1}, {0.5, -1, 1}, {1.5, -1, 1}, {1, 0, 1}});
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_TRUE(chains[0].closed && chains[1].closed);
    EXPECT_EQ(chains[0].points.size(), 4u);
    EXPECT_EQ(chains[1].points.size(), 4u);
}

TEST(ProfileChains, ClosedChainsTurnTheirNormalsAwayFromTheInside) {
    // The same square, anticlockwise and clockwise (with x and y as the profile has them),
    // each with either drawn side, about either axis.
    const std::vector<Entry> anticlockwise = {
        {1, 1, 0}, {2, 1, 1}, {2, 2, 1}, {1, 2, 1}, {1, 1, 1}};
    const std::vector<Entry> clockwise = {
        {1, 1, 0}, {1, 2, -1}, {2, 2, -1}, {2, 1, -1}, {1, 1, -1}};
    for (const Axis axis : {Axis::Y, Axis::X}) {
        for (const bool ccw : {true, false}) {
            const std::vector<ProfileChain> chains =
                chainsOf(ccw ? anticlockwise : clockwise, axis);
            ASSERT_EQ(chains.size(), 1u);
            EXPECT_TRUE(chains[0].closed);
            // Inside on the left of an anticlockwise square: the normals go right.
            EXPECT_EQ(chains[0].normal_left, Sides(4, ccw ? 0 : 1));
            // About X the roles of x and y swap, and so does the sign of the volume sum.
            const double sum = turnedVolumeSum(chains[0], axis);
            EXPECT_EQ(sum > 0, ccw == (axis == Axis::Y));
        }
    }
}

}  // namespace
}  // namespace tv
