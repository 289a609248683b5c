#include <gtest/gtest.h>

#include <string>

#include "mesh_file_checks.h"
#include "mesh_test_profiles.h"
#include "objfile/scratch_folder.h"
#include "objfile/solid_export.h"

namespace tv {
namespace {

// What ADMesh's exact check finds: as many parts as loops, every edge shared by two facets
// running it in opposite directions, and the faceted solid's exact volume, positive.
TEST(ClosedShells, EveryLoopIsAClosedSolidFacingOutwardHoweverDrawn) {
    test::ScratchFolder folder;
    const std::string path = folder.file("solid.stl");
    test::forEachClosedCase([&path](const test::ClosedCase& c) {
        const auto profile = test::profileOf(c.strokes, c.axis, c.link);
        const ExportResult result =
            exportSolid(*profile, {MeshFormat::Stl, c.axis, c.steps, {}}, path);
        ASSERT_TRUE(result.written());
        EXPECT_EQ(result.shells, static_cast<int>(c.figure.loops.size()));

        const test::StlFile stl = test::readStl(test::readBytes(path));
        ASSERT_TRUE(stl.well_formed);
        EXPECT_FALSE(stl.text_header);
        EXPECT_EQ(stl.stored_count, stl.triangles.size());
        EXPECT_EQ(stl.triangles.size(), result.triangles);
        const test::SolidCheck check = test::checkSolid(stl.triangles);
        EXPECT_EQ(check.parts, c.figure.loops.size());
        EXPECT_EQ(check.open_edges, 0u);
        EXPECT_EQ(check.backwards_edges, 0u);
        EXPECT_EQ(check.degenerate_facets, 0u);
        EXPECT_FALSE(check.negative_zero);
        EXPECT_EQ(check.lowest_z, 0.0f);  // standing on the plate
        const double volume = test::facetedVolume(c.figure, c.steps, kPrintMillimetresPerUnit);
        EXPECT_NEAR(check.volume, volume, 1e-5 * volume);
        // The facet normals are unit vectors on the side the corners wind to.
        for (size_t t = 0; t < stl.triangles.size(); ++t) {
            const auto& corners = stl.triangles[t];
            const Vec3 n = test::toVec3(stl.normals[t]);
            const Vec3 c0 = test::toVec3(corners[0]);
            const Vec3 area = cross(test::toVec3(corners[1]) - c0, test::toVec3(corners[2]) - c0);
            ASSERT_NEAR(length(n), 1.0, 1e-6);
            ASSERT_GT(dot(area, n), 0.0);
        }
    });
}

}  // namespace
}  // namespace tv
