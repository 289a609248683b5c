#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "tool/mesh_sink.h"
#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

using test::ScratchFolder;
using tool::Vec3;

// About the Y axis: a segment that starts on the axis (one triangle of each of its
// quadrilaterals has no area), a regular one, one of zero length (no strip) and, in a
// second stroke, one with a flipped normal.
ObjectDocument exportedDocument() {
    ObjectDocument doc;
    doc.segments = 7;
    test::setProfile(doc, {{0.0, -0.5, 0},
                           {1.0, 0.0, 1},
                           {0.5, 0.5, 1},
                           {0.5, 0.5, 1},
                           {1.5, -0.5, 0},
                           {1.5, 0.5, -1}});
    return doc;
}

// Three strips of 2 x segments triangles, less one per quadrilateral of the first.
int expectedTriangles(int segments) {
    return 3 * 2 * segments - segments;
}

double length(const Vec3& v) {
    return std::sqrt(tool::dot(v, v));
}

struct StlTriangle {
    Vec3 normal;
    Vec3 corners[3];
};

Vec3 readVec3(const std::vector<uint8_t>& bytes, size_t at) {
    float v[3];
    std::memcpy(v, bytes.data() + at, sizeof v);
    return {v[0], v[1], v[2]};
}

std::vector<StlTriangle> readStl(const std::vector<uint8_t>& bytes, uint32_t& stored_count) {
    std::vector<StlTriangle> triangles;
    if (bytes.size() < 84) {
        ADD_FAILURE() << "no STL header";
        return triangles;
    }
    std::memcpy(&stored_count, bytes.data() + 80, 4);
    for (size_t at = 84; at + 50 <= bytes.size(); at += 50) {
        triangles.push_back(
            {readVec3(bytes, at),
             {readVec3(bytes, at + 12), readVec3(bytes, at + 24), readVec3(bytes, at + 36)}});
    }
    EXPECT_EQ((bytes.size() - 84) % 50, 0u);
    return triangles;
}

TEST(ToolExport, BinaryStlHasTwoTrianglesPerQuadrilateralLessDegenerateOnes) {
    ScratchFolder folder;
    const std::string in = test::writeDocument(folder.file("in.tvl"), exportedDocument());
    const std::string out = folder.file("solid.STL");

    const test::ToolRun run = test::runTool({"export", in, out});

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const std::vector<uint8_t> bytes = test::readBytes(out);
    EXPECT_NE(std::string(bytes.begin(), bytes.begin() + 5), "solid");  // not a text STL
    uint32_t stored_count = 0;
    const std::vector<StlTriangle> triangles = readStl(bytes, stored_count);
    EXPECT_EQ(stored_count, static_cast<uint32_t>(expectedTriangles(7)));
    ASSERT_EQ(triangles.size(), stored_count);
    for (const StlTriangle& t : triangles) {
        const Vec3 area = tool::cross(t.corners[1] - t.corners[0], t.corners[2] - t.corners[0]);
        ASSERT_GT(length(area), 0.0);
        EXPECT_NEAR(length(t.normal), 1.0, 1e-6);
        // Counter-clockwise seen from the side the normal points to.
        EXPECT_GT(tool::dot(area, t.normal), 0.0);
    }
}

struct ObjFile {
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    std::vector<std::array<int, 6>> faces;  // v//vn of three corners
};

ObjFile readObj(const std::string& path) {
    ObjFile obj;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string tag;
        words >> tag;
        if (tag == "v" || tag == "vn") {
            Vec3 v;
            words >> v.x >> v.y >> v.z;
            (tag == "v" ? obj.vertices : obj.normals).push_back(v);
        } else if (tag == "f") {
            std::array<int, 6> f{};
            char slash = 0;
            for (int c = 0; c < 3; ++c) {
                words >> f[2 * c] >> slash >> slash >> f[2 * c + 1];
            }
            obj.faces.push_back(f);
        }
    }
    return obj;
}

TEST(ToolExport, ObjHasEveryStripVertexWithItsLitNormal) {
    ScratchFolder folder;
    const std::string in = test::writeDocument(folder.file("in.tvl"), exportedDocument());
    const std::string out = folder.file("solid.obj");

    const test::ToolRun run = test::runTool({"export", in, out, "--segments", "12"});

    ASSERT_EQ(run.status, 0) << run.err;
    const ObjFile obj = readObj(out);
    EXPECT_EQ(obj.faces.size(), static_cast<size_t>(expectedTriangles(12)));
    // Each of the three strips: both ends of its segment on meridians 0..12.
    ASSERT_EQ(obj.vertices.size(), 3u * 2 * 13);
    ASSERT_EQ(obj.normals.size(), obj.vertices.size());
    for (const Vec3& n : obj.normals) {
        EXPECT_NEAR(length(n), 1.0, 1e-12);
    }
    // The regular segment (1, 0) -> (0.5, 0.5): its normal turns the direction a quarter
    // turn anticlockwise, so at meridian 0 it is (-0.5, -0.5) / |.|.
    const Vec3& n = obj.normals[2 * 13 + 1];
    EXPECT_NEAR(n.x, -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(n.y, -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(n.z, 0.0, 1e-12);
    for (const auto& f : obj.faces) {
        Vec3 corners[3];
        Vec3 normal_sum;
        for (int c = 0; c < 3; ++c) {
            ASSERT_GE(f[2 * c], 1);
            ASSERT_LE(f[2 * c], static_cast<int>(obj.vertices.size()));
            EXPECT_EQ(f[2 * c], f[2 * c + 1]);  // every vertex has its own normal
            corners[c] = obj.vertices[f[2 * c] - 1];
            normal_sum = normal_sum + obj.normals[f[2 * c + 1] - 1];
        }
        const Vec3 area = tool::cross(corners[1] - corners[0], corners[2] - corners[0]);
        EXPECT_GT(length(area), 0.0);
        EXPECT_GT(tool::dot(area, normal_sum), 0.0);  // wound to face the lit side
    }
}

TEST(ToolExport, CoordinatesKeepEveryDigitAndTheProfileUnits) {
    ScratchFolder folder;
    ObjectDocument doc;
    doc.zoom_position = 250;  // the view's zoom does not scale the solid
    doc.axis_x = true;
    test::setProfile(doc, {{-0.3, 1.0 / 3, 0}, {0.7, 1.0 / 7, 1}});
    const std::string in = test::writeDocument(folder.file("in.tvl"), doc);
    const std::string out = folder.file("solid.obj");
    ASSERT_EQ(test::runTool({"export", in, out, "--segments=3"}).status, 0);
    const ObjFile obj = readObj(out);
    ASSERT_EQ(obj.vertices.size(), 8u);
    // Meridian 0 about the X axis: the profile point itself.
    EXPECT_EQ(obj.vertices[0].x, -0.3);
    EXPECT_EQ(obj.vertices[0].y, 1.0 / 3);
    EXPECT_EQ(obj.vertices[0].z, 0.0);
    EXPECT_EQ(obj.vertices[1].y, 1.0 / 7);
    EXPECT_EQ(obj.faces.size(), 6u);
}

}  // namespace
}  // namespace tv
