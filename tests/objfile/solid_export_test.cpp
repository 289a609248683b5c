#include "objfile/solid_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mesh_file_checks.h"
#include "mesh_test_profiles.h"
#include "objfile/scratch_folder.h"
#include "threemf_reading.h"

namespace tv {
namespace {

using test::Stroke;

// The ring and a cone closed on the axis (two shells), and an open wall drawn upwards at
// radius 1.2 (a third).
const Stroke kCone = {{0.0, 0.6}, {0.6, 0.6}, {0.0, 0.9}, {0.0, 0.6}};
const Stroke kWall = {{1.2, -0.5}, {1.2, 0.5}};

struct Bounds {
    Vec3 low{INFINITY, INFINITY, INFINITY};
    Vec3 high{-INFINITY, -INFINITY, -INFINITY};
};

Bounds boundsOf(const std::vector<test::FloatTriangle>& triangles) {
    Bounds b;
    for (const auto& t : triangles) {
        for (const auto& p : t) {
            b.low = {std::min<double>(b.low.x, p[0]), std::min<double>(b.low.y, p[1]),
                     std::min<double>(b.low.z, p[2])};
            b.high = {std::max<double>(b.high.x, p[0]), std::max<double>(b.high.y, p[1]),
                      std::max<double>(b.high.z, p[2])};
        }
    }
    return b;
}

class SolidExportTest : public ::testing::Test {
  protected:
    test::ScratchFolder folder;

    test::StlFile exportStl(const std::vector<Stroke>& strokes, Axis axis, int steps,
                            std::optional<double> scale = {}, int8_t link = kLinkLeft) {
        const std::string path = folder.file("solid.stl");
        const auto profile = test::profileOf(strokes, axis, link);
        EXPECT_TRUE(exportSolid(*profile, {MeshFormat::Stl, axis, steps, scale}, path).written());
        return test::readStl(test::readBytes(path));
    }
};

TEST_F(SolidExportTest, OpenChainsKeepTheSideTheirNormalsWereDrawnOn) {
    for (const int8_t link : {kLinkLeft, kLinkFlipped}) {
        const test::StlFile stl = exportStl({kWall}, Axis::Y, 16, {}, link);
        const test::SolidCheck check = test::checkSolid(stl.triangles);
        EXPECT_EQ(check.parts, 1u);
        EXPECT_EQ(check.open_edges, 2u * 16);  // the rims
        EXPECT_EQ(check.backwards_edges, 0u);
        for (size_t t = 0; t < stl.triangles.size(); ++t) {
            // Drawn upwards, the left side faces the axis.
            const Vec3 radial = test::toVec3(stl.triangles[t][0]);
            const double facing = dot(test::toVec3(stl.normals[t]), {radial.x, radial.y, 0.0});
            EXPECT_EQ(facing < 0.0, link == kLinkLeft);
        }
    }
}

TEST_F(SolidExportTest, PrintFormatsStandOnThePlateWithTheViewsUpAsZ) {
    // Four steps put meridians on both horizontal directions.
    struct Case {
        Axis axis;
        std::optional<double> scale;
        Vec3 low;
        Vec3 high;
    };
    // About Y the profile's y goes up; about X its radius does, and the lowest meridian
    // points straight down.
    const Case cases[] = {
        {Axis::Y, {}, {-50, -50, 0}, {50, 50, 50}},
        {Axis::Y, 10.0, {-10, -10, 0}, {10, 10, 10}},
        {Axis::X, {}, {-25, -50, 0}, {25, 50, 100}},
    };
    for (const Case& c : cases) {
        const Bounds b = boundsOf(exportStl({test::kRing}, c.axis, 4, c.scale).triangles);
        for (const auto& [got, want] : {std::pair{b.low, c.low}, std::pair{b.high, c.high}}) {
            EXPECT_NEAR(got.x, want.x, 1e-5);
            EXPECT_NEAR(got.y, want.y, 1e-5);
            EXPECT_EQ(got.z, want.z);
        }
    }
}

TEST_F(SolidExportTest, ThreeMfHoldsOneClosedObjectPerLoopWithTheTrianglesOfTheStl) {
    const std::string path = folder.file("solid.3mf");
    const auto profile = test::profileOf({test::kRing, kCone}, Axis::X);
    ASSERT_TRUE(exportSolid(*profile, {MeshFormat::ThreeMf, Axis::X, 24, {}}, path).written());
    const test::StlFile stl = exportStl({test::kRing, kCone}, Axis::X, 24);

    const test::ThreeMfModel model = test::readThreeMf(path);
    ASSERT_TRUE(model.read);
    EXPECT_EQ(model.unit, static_cast<DWORD>(NMR::MODELUNIT_MILLIMETER));
    ASSERT_EQ(model.objects.size(), 2u);
    EXPECT_EQ(model.build_items, 2u);
    std::vector<test::FloatTriangle> triangles;
    for (size_t i = 0; i < model.objects.size(); ++i) {
        EXPECT_TRUE(model.manifold_and_oriented[i]) << i;
        EXPECT_EQ(test::checkSolid(model.objects[i]).parts, 1u);
        triangles.insert(triangles.end(), model.objects[i].begin(), model.objects[i].end());
    }
    // The library writes millimetres with six decimals.
    ASSERT_EQ(triangles.size(), stl.triangles.size());
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < 3; ++i) {
                ASSERT_NEAR(triangles[t][c][i], stl.triangles[t][c][i], 2e-5) << t;
            }
        }
    }
}

TEST_F(SolidExportTest, ObjSharesPositionsAndNormalsInOneConnectedMeshPerShell) {
    const int steps = 12;
    const std::string path = folder.file("solid.obj");
    const auto profile = test::profileOf({test::kRing, kCone, kWall}, Axis::Y);
    ASSERT_TRUE(exportSolid(*profile, {MeshFormat::Obj, Axis::Y, steps, 2.0}, path).written());
    const test::ObjFile obj = test::readObj(path);

    ASSERT_EQ(obj.shells.size(), 3u);
    EXPECT_EQ(obj.shells[0].name, "shell1");
    // Ring: four rings of vertices; cone: one ring and two points on the axis; wall: two.
    EXPECT_EQ(obj.vertices.size(), size_t(4 * steps + steps + 2 + 2 * steps));
    for (const test::ObjFile::Shell& shell : obj.shells) {
        EXPECT_EQ(test::connectedPieces(shell.faces), 1u) << shell.name;
    }
    // The view's coordinates, times the scale: the ring's first point on meridian 0.
    EXPECT_NE(std::find_if(obj.vertices.begin(), obj.vertices.end(),
                           [](const Vec3& v) { return v.x == 1.0 && v.y == -1.0 && v.z == 0.0; }),
              obj.vertices.end());
    for (const Vec3& n : obj.normals) {
        EXPECT_NEAR(length(n), 1.0, 1e-12);
    }
    for (const test::ObjFile::Shell& shell : obj.shells) {
        for (const auto& f : shell.faces) {
            Vec3 corners[3];
            Vec3 normal_sum;
            for (int c = 0; c < 3; ++c) {
                ASSERT_GE(f[2 * c], 1u);
                ASSERT_LE(f[2 * c], obj.vertices.size());
                ASSERT_GE(f[2 * c + 1], 1u);
                ASSERT_LE(f[2 * c + 1], obj.normals.size());
                corners[c] = obj.vertices[f[2 * c] - 1];
                normal_sum = normal_sum + obj.normals[f[2 * c + 1] - 1];
            }
            // Wound counter-clockwise seen from the side of the normals.
            EXPECT_GT(dot(cross(corners[1] - corners[0], corners[2] - corners[0]), normal_sum),
                      0.0);
        }
    }
}

TEST_F(SolidExportTest, ProgressRunsToTheEndAndCancellingLeavesNoFile) {
    const auto profile = test::profileOf({test::kRing, kCone}, Axis::Y);
    for (const char* name : {"solid.stl", "solid.3mf", "solid.obj"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(name);
        const SolidExportSettings settings{*meshFormatOfName(name), Axis::Y, 999, {}};
        std::vector<double> shares;
        const ExportResult done = exportSolid(*profile, settings, path, [&](double share) {
            shares.push_back(share);
            return true;
        });
        ASSERT_TRUE(done.written());
        ASSERT_FALSE(shares.empty());
        EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
        EXPECT_GE(shares.front(), 0.0);
        EXPECT_EQ(shares.back(), 1.0);

        const std::vector<uint8_t> old_contents = test::readBytes(path);
        const std::vector<std::string> names = folder.names();
        // Cancelled while the mesh is built, and (for 3MF) while it is packed.
        for (const double cancel_at : {0.0, 0.75}) {
            const ExportResult cancelled = exportSolid(
                *profile, settings, path, [&](double share) { return share < cancel_at; });
            EXPECT_TRUE(cancelled.cancelled);
            EXPECT_FALSE(cancelled.written());
            EXPECT_EQ(test::readBytes(path), old_contents);
            EXPECT_EQ(folder.names(), names);
        }
    }
}

}  // namespace
}  // namespace tv
