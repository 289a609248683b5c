#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "objfile/mesh_file_checks.h"
#include "objfile/mesh_test_profiles.h"
#include "objfile/threemf_reading.h"
#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

using test::ScratchFolder;

// A drum closed on the axis (about Y), 7 steps by default.
ObjectDocument drumDocument() {
    ObjectDocument doc;
    doc.segments = 7;
    test::setProfile(
        doc, {{0.0, -0.5, 0}, {1.0, -0.5, 1}, {1.0, 0.5, 1}, {0.0, 0.5, 1}, {0.0, -0.5, 1}});
    return doc;
}

// Bottom and top: one triangle per step; the wall two; the segment on the axis none.
constexpr size_t drumTriangles(int steps) {
    return 4u * steps;
}

TEST(ToolExport, WritesTheFormatItsExtensionNamesAtTheScaleGiven) {
    ScratchFolder folder;
    const std::string in = test::writeDocument(folder.file("in.tvl"), drumDocument());

    for (const char* scale : {"", "10"}) {
        const std::string out = folder.file("solid.STL");
        std::vector<std::string> args = {"export", in, out};
        if (*scale != 0) {
            args.insert(args.end(), {"--scale", scale});
        }
        const test::ToolRun run = test::runTool(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        const test::StlFile stl = test::readStl(test::readBytes(out));
        ASSERT_TRUE(stl.well_formed);
        ASSERT_EQ(stl.triangles.size(), drumTriangles(7));  // the document's steps
        const test::SolidCheck check = test::checkSolid(stl.triangles);
        EXPECT_EQ(check.open_edges + check.backwards_edges, 0u);
        // In millimetres, standing on z = 0 with the axis upright: the drum is one unit
        // high and one in radius.
        const double mm = *scale != 0 ? 10.0 : 50.0;
        float top = 0;
        float widest = 0;
        for (const auto& t : stl.triangles) {
            for (const auto& p : t) {
                top = std::max(top, p[2]);
                widest = std::max(widest, p[0]);
            }
        }
        EXPECT_EQ(check.lowest_z, 0.0f);
        EXPECT_FLOAT_EQ(top, mm);
        EXPECT_FLOAT_EQ(widest, mm);
    }

    const std::string three_mf = folder.file("solid.3mf");
    ASSERT_EQ(test::runTool({"export", in, three_mf, "--segments", "12"}).status, 0);
    const test::ThreeMfModel model = test::readThreeMf(three_mf);
    ASSERT_EQ(model.objects.size(), 1u);
    EXPECT_EQ(model.objects[0].size(), drumTriangles(12));
    EXPECT_TRUE(model.manifold_and_oriented[0]);

    const std::string obj_path = folder.file("solid.Obj");
    ASSERT_EQ(test::runTool({"export", in, obj_path, "--segments=12"}).status, 0);
    const test::ObjFile obj = test::readObj(obj_path);
    ASSERT_EQ(obj.shells.size(), 1u);
    EXPECT_EQ(obj.shells[0].faces.size(), drumTriangles(12));
    EXPECT_EQ(obj.vertices.size(), 2u * 12 + 2);  // two rings, two points on the axis
    EXPECT_EQ(test::connectedPieces(obj.shells[0].faces), 1u);
}

TEST(ToolExport, ObjKeepsTheViewsCoordinatesWithEveryDigit) {
    ScratchFolder folder;
    ObjectDocument doc;
    doc.zoom_position = 250;  // the view's zoom does not scale the solid
    doc.axis_x = true;
    test::setProfile(doc, {{-0.3, 1.0 / 3, 0}, {0.7, 1.0 / 7, 1}});
    const std::string in = test::writeDocument(folder.file("in.tvl"), doc);
    for (const double scale : {1.0, 4.0}) {
        const std::string out = folder.file("solid.obj");
        std::vector<std::string> args = {"export", in, out, "--segments=3"};
        if (scale != 1.0) {
            args.push_back("--scale=4");
        }
        ASSERT_EQ(test::runTool(args).status, 0);
        const test::ObjFile obj = test::readObj(out);
        ASSERT_EQ(obj.vertices.size(), 6u);
        // Meridian 0 about the X axis: the profile point itself.
        EXPECT_EQ(obj.vertices[0].x, -0.3 * scale);
        EXPECT_EQ(obj.vertices[0].y, 1.0 / 3 * scale);
        EXPECT_EQ(obj.vertices[0].z, 0.0);
        EXPECT_EQ(obj.vertices[3].y, 1.0 / 7 * scale);
        EXPECT_EQ(obj.shells.at(0).faces.size(), 6u);
    }
}

}  // namespace
}  // namespace tv
