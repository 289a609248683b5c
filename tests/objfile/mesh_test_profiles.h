// Profiles for the mesh tests, given as strokes of (distance from the axis, position along
// it) points and laid out about either axis.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "mesh_file_checks.h"
#include "profile/profile_model.h"

namespace tv::test {

using Stroke = std::vector<RadialPoint>;

// Every stroke's segments get the normal side `link` (+1 left, -1 right).
inline std::unique_ptr<ProfileModel> profileOf(const std::vector<Stroke>& strokes, Axis axis,
                                               int8_t link = kLinkLeft) {
    std::vector<int8_t> links;
    std::vector<TProfilePoint> points;
    for (const Stroke& stroke : strokes) {
        for (size_t i = 0; i < stroke.size(); ++i) {
            links.push_back(i == 0 ? kLinkStart : link);
            const RadialPoint& p = stroke[i];
            points.push_back(axis == Axis::Y ? TProfilePoint{p.r, p.h} : TProfilePoint{p.h, p.r});
        }
    }
    auto profile = std::make_unique<ProfileModel>();
    profile->replace(static_cast<int>(points.size()), links.data(), points.data(), false);
    return profile;
}

// A square ring drawn as one polyline closed back onto its first point.
inline const Stroke kRing = {{0.5, -0.5}, {1.0, -0.5}, {1.0, 0.5}, {0.5, 0.5}, {0.5, -0.5}};

// A closed figure, and the loops it is made of (for their volume).
struct ClosedFigure {
    const char* name;
    std::vector<Stroke> strokes;
    std::vector<std::vector<RadialPoint>> loops;
};

inline std::vector<ClosedFigure> closedFigures() {
    const RadialPoint a{0.25, -0.5}, b{1.0, -0.25}, c{0.75, 0.5}, d{0.25, 0.25};
    const Stroke drum = {{0.0, -0.5}, {1.0, -0.5}, {1.0, 0.5}, {0.0, 0.5}, {0.0, -0.5}};
    const Stroke cone = {{0.0, 0.6}, {0.6, 0.6}, {0.0, 0.9}, {0.0, 0.6}};
    const std::vector<RadialPoint> ring_loop(kRing.begin(), kRing.end() - 1);
    return {
        {"ring", {kRing}, {ring_loop}},
        {"drum closed on the axis", {drum}, {{drum.begin(), drum.end() - 1}}},
        {"separate segments that meet", {{a, b}, {c, b}, {c, d}, {a, d}}, {{a, b, c, d}}},
        {"two loops, one a cone on the axis",
         {kRing, cone},
         {ring_loop, {cone.begin(), cone.end() - 1}}},
    };
}

// The same strokes drawn the other way.
inline std::vector<Stroke> reversed(std::vector<Stroke> strokes) {
    for (Stroke& s : strokes) {
        std::reverse(s.begin(), s.end());
    }
    return strokes;
}

// The exact volume of the figure turned in `steps` steps, `scale` file units to the unit.
inline double facetedVolume(const ClosedFigure& figure, int steps, double scale) {
    double volume = 0.0;
    for (const auto& loop : figure.loops) {
        volume += facetedVolume(loop, steps, scale);
    }
    return volume;
}

// One way of turning a closed figure.
struct ClosedCase {
    const ClosedFigure& figure;
    std::vector<Stroke> strokes;  // the figure's strokes, drawn one way or the other
    int8_t link;
    Axis axis;
    int steps;
};

// Calls `check` for every closed figure drawn either way, with its normals on either side,
// about either axis, in 3 and in 999 steps (64 cases), each traced by its description.
template <class Check>
void forEachClosedCase(Check check) {
    for (const ClosedFigure& figure : closedFigures()) {
        for (const bool backwards : {false, true}) {
            for (const int8_t link : {kLinkLeft, kLinkFlipped}) {
                for (const Axis axis : {Axis::Y, Axis::X}) {
                    for (const int steps : {3, 999}) {
                        SCOPED_TRACE(std::string(figure.name) + (backwards ? ", backwards" : "") +
                                     ", link " + std::to_string(link) +
                                     (axis == Axis::Y ? ", about Y, " : ", about X, ") +
                                     std::to_string(steps) + " steps");
                        check(ClosedCase{figure,
                                         backwards ? reversed(figure.strokes) : figure.strokes,
                                         link, axis, steps});
                    }
                }
            }
        }
    }
}

}  // namespace tv::test
