// The tool's STL files of closed profiles, checked by ADMesh (Debian's admesh), a checker
// and repairer of STL files. Skipped when admesh is not installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "objfile/mesh_test_profiles.h"
#include "objfile/object_document.h"
#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

struct AdmeshReport {
    bool complete = false;
    int parts = -1;
    int degenerate_facets = -1;
    int edges_fixed = -1;
    int facets_reversed = -1;
    int backwards_edges = -1;
    int disconnected_facets = -1;
    double volume = 0.0;
};

// The number after "label :" on the line that has the label, and what followed it.
bool numberAfter(const std::string& text, const std::string& label, double& value) {
    const size_t at = text.find(label);
    const size_t colon = at == std::string::npos ? at : text.find(':', at + label.size());
    return colon != std::string::npos && std::sscanf(text.c_str() + colon + 1, "%lf", &value) == 1;
}

// Exact matching of edges only (no repair by nearness); --normal-directions makes it
// count the parts and the facets it would have to turn over.
AdmeshReport runAdmesh(const std::string& stl) {
    const std::string command = "admesh --exact --normal-directions '" + stl + "' 2>&1";
    std::string text;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    char chunk[4096];
    for (size_t n; pipe && (n = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0;) {
        text.append(chunk, n);
    }
    AdmeshReport report;
    double parts = 0, degenerate = 0, fixed = 0, reversed = 0, backwards = 0, disconnected = 0;
    report.complete = numberAfter(text, "Number of parts", parts) &&
                      numberAfter(text, "Degenerate facets", degenerate) &&
                      numberAfter(text, "Edges fixed", fixed) &&
                      numberAfter(text, "Facets reversed", reversed) &&
                      numberAfter(text, "Backwards edges", backwards) &&
                      numberAfter(text, "Total disconnected facets", disconnected) &&
                      numberAfter(text, "Volume", report.volume);
    report.parts = static_cast<int>(parts);
    report.degenerate_facets = static_cast<int>(degenerate);
    report.edges_fixed = static_cast<int>(fixed);
    report.facets_reversed = static_cast<int>(reversed);
    report.backwards_edges = static_cast<int>(backwards);
    report.disconnected_facets = static_cast<int>(disconnected);
    EXPECT_TRUE(report.complete) << text;
    return report;
}

ObjectDocument documentOf(const std::vector<test::Stroke>& strokes, Axis axis, int8_t link,
                          int steps) {
    ObjectDocument doc;
    doc.axis_x = axis == Axis::X;
    doc.segments = steps;
    const auto profile = test::profileOf(strokes, axis, link);
    doc.profile.count = profile->pointCount();
    for (int i = 0; i < profile->pointCount(); ++i) {
        doc.profile.points[i] = profile->points[i];
        doc.profile.links[i] = profile->point_links[i];
    }
    return doc;
}

TEST(ToolExportAdmesh, FindsEveryClosedProfileClosedAndFacingOutward) {
    if (std::system("command -v admesh > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "admesh is not installed (Debian package admesh): not checked";
    }
    test::ScratchFolder folder;
    const std::string in = folder.file("in.tvl");
    const std::string out = folder.file("solid.stl");
    test::forEachClosedCase([&in, &out](const test::ClosedCase& c) {
        test::writeDocument(in, documentOf(c.strokes, c.axis, c.link, c.steps));
        ASSERT_EQ(test::runTool({"export", in, out}).status, 0);

        const AdmeshReport report = runAdmesh(out);
        EXPECT_EQ(report.parts, static_cast<int>(c.figure.loops.size()));
        EXPECT_EQ(report.degenerate_facets, 0);
        EXPECT_EQ(report.edges_fixed, 0);
        EXPECT_EQ(report.facets_reversed, 0);
        EXPECT_EQ(report.backwards_edges, 0);
        EXPECT_EQ(report.disconnected_facets, 0);
        const double volume = test::facetedVolume(c.figure, c.steps, 50.0);
        // ADMesh adds the volume up in single precision.
        EXPECT_NEAR(report.volume, volume, 1e-4 * volume);
    });
}

}  // namespace
}  // namespace tv
