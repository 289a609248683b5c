#include <gtest/gtest.h>

#include <vector>

#include "objfile/image_builder.h"
#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

using test::ImageBuilder;
using test::ScratchFolder;

// What the editor saves after opening a legacy file of continuous mode, image kind 2,
// 2 segments and the Y axis, with the given points: built field by field.
std::vector<uint8_t> savedLegacyImage(const std::vector<test::ProfileEntry>& points) {
    ImageBuilder b;
    b.text("VexGLTorvel->").u16(0x0100).u32(0);
    b.u8(1).u8(0).u8(0);  // continuous, no flip, Y axis
    for (const uint32_t color : {0xC0C0C0u, 0u, 0x505050u, 0u, 0x808080u, 0xCCCCCCu, 0x333333u,
                                 0xFFFFFFu, 0u, 0u, 0u, 0u, 0u, 0u}) {
        b.u32(color);
    }
    b.u8(0).u16(3);            // wire frame; 2 segments load as 3
    b.i32(200);                // zoom
    b.i32(0).i32(0).i32(-50);  // move
    for (int i = 0; i < 16; ++i) {
        b.f64(i % 5 == 0 ? 1.0 : 0.0);  // identity rotation
    }
    b.i32(0).i32(2).i32(0);  // kind 2 spins about the profile's axis
    b.i32(0).i32(5);         // transparency, shininess
    b.u8(1).u8(0).u8(0);     // lights on
    b.f32(-1.0f).f32(1.0f).f32(1.0f).f32(0.0f);
    for (int l = 0; l < 2; ++l) {
        b.f32(0.0f).f32(0.1f).f32(1.0f).f32(0.0f);
    }
    for (int l = 0; l < 3; ++l) {
        b.i32(0).i32(0).i32(-10);
    }
    b.u8(0).u8(0).u8(0);  // no spotlights
    b.i32(45).i32(45).i32(45);
    b.u8(0).u8(0).u8(0);  // indicated
    b.u8(0).u8(0).u8(0);  // rotated
    b.u8(0).u8(0);        // axes, normals
    b.u16(static_cast<uint16_t>(points.size()));
    for (const test::ProfileEntry& p : points) {
        b.u8(static_cast<uint8_t>(p.link));
    }
    for (const test::ProfileEntry& p : points) {
        b.f64(p.x).f64(p.y);
    }
    return b.sealChecksum().bytes;
}

TEST(ToolConvert, LegacyFileBecomesWhatTheEditorSavesAfterOpeningIt) {
    ScratchFolder folder;
    const std::string in = folder.file("dos.tvl");
    test::writeBytes(in, test::legacyImage(0, 2, 2, 0, {{3100, 3200}, {273, 239}, {33, 479}}));
    const std::string out = folder.file("new.tvl");

    const test::ToolRun run = test::runTool({"convert", in, out});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(
        test::readBytes(out),
        savedLegacyImage(
            {{(100 - 33) / 240.0, (479 - 200) / 240.0 - 1, 0}, {1.0, 0.0, 1}, {0.0, -1.0, 1}}));
}

TEST(ToolConvert, CurrentFileIsSavedWithTheValuesItLoadsAs) {
    ScratchFolder folder;
    ObjectDocument doc;
    test::setProfile(doc, {{0.5, -0.5, 0}, {1.0, 0.5, -1}});
    doc.zoom_position = 5;
    doc.segments = 5000;
    doc.display_mode = 7;
    const std::string in = test::writeDocument(folder.file("in.tvl"), doc);

    const test::ToolRun run = test::runTool({"convert", in, folder.file("out.tvl")});

    EXPECT_EQ(run.status, 0) << run.err;
    ObjectDocument loaded = doc;
    loaded.zoom_position = 10;
    loaded.segments = 999;
    loaded.display_mode = kNoDisplayMode;
    EXPECT_EQ(test::readBytes(folder.file("out.tvl")), encodeObjectFile(loaded).image);
}

TEST(ToolConvert, ReplacesAnExistingFileInPlace) {
    ScratchFolder folder;
    const std::string path = folder.file("dos.tvl");
    test::writeBytes(path, test::legacyImage(0, 1, 7, 0, {{100, 100}, {200, 200}}));
    const test::ToolRun run = test::runTool({"convert", path, path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::runTool({"info", path}).err, "");  // no longer a DOS file
    EXPECT_EQ(folder.names(), std::vector<std::string>{"dos.tvl"});
}

TEST(ToolConvert, DosFileWithMorePointsThanAFileHoldsIsRefused) {
    ScratchFolder folder;
    const std::string in = folder.file("long.tvl");
    test::writeBytes(
        in, test::legacyImage(0, 1, 7, 0, std::vector<test::LegacyRecord>(3835, {90, 90})));
    const test::ToolRun run = test::runTool({"convert", in, folder.file("out.tvl")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errLines().back(),
              "The profile has 3835 points, but a file holds at most 3834. Delete points to "
              "save it.");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"long.tvl"});
}

}  // namespace
}  // namespace tv
