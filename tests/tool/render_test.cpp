// Renders through a real OpenGL context: needs a display (the test command runs under Xvfb).
#include <gtest/gtest.h>

#include <QImage>
#include <regex>
#include <vector>

#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

using test::ScratchFolder;

constexpr int32_t kObjectColor = 0x20C040;  // 0x00BBGGRR: red 0x40, green 0xC0, blue 0x20
constexpr int32_t kBackground = 0x808080;

// A cylinder of radius 0.8 about the Y axis, filling the middle of the view.
ObjectDocument cylinder() {
    ObjectDocument doc;
    doc.colors[kColorBackground] = kBackground;
    doc.colors[kColorObject] = kObjectColor;
    doc.display_mode = 0;
    test::setProfile(doc, {{0.8, -0.8, 0}, {0.8, 0.8, 1}});
    return doc;
}

QRgb rgbOf(int32_t color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TEST(ToolRender, UnlitSolidShowsTheObjectColourOnTheBackground) {
    ScratchFolder folder;
    const std::string in = test::writeDocument(folder.file("in.tvl"), cylinder());
    const std::string out = folder.file("view.png");

    const test::ToolRun run = test::runTool({"render", in, out, "--size", "96x64", "--mode", "1"});

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const QImage image(QString::fromStdString(out), "PNG");
    ASSERT_EQ(image.size(), QSize(96, 64));
    EXPECT_EQ(image.pixel(48, 32) & 0xFFFFFF, rgbOf(kObjectColor) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(4, 4) & 0xFFFFFF, rgbOf(kBackground) & 0xFFFFFF);
}

TEST(ToolRender, LitModeDrawsTheObjectAndReportsTheFrameTime) {
    ScratchFolder folder;
    const std::string in = test::writeDocument(folder.file("in.tvl"), cylinder());
    const std::string out = folder.file("view.png");

    const test::ToolRun run =
        test::runTool({"render", in, out, "--size=64x64", "--mode=3", "--frames", "3"});

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_match(run.out, std::regex("frame_ms=[0-9]+\\.[0-9]{3}\n"))) << run.out;
    const QImage image(QString::fromStdString(out), "PNG");
    ASSERT_EQ(image.size(), QSize(64, 64));
    EXPECT_NE(image.pixel(32, 32) & 0xFFFFFF, rgbOf(kBackground) & 0xFFFFFF);
}

TEST(ToolRender, DocumentsDisplayModeIsTheDefault) {
    ScratchFolder folder;
    ObjectDocument doc = cylinder();
    doc.display_mode = kNoDisplayMode;  // no object is drawn
    const std::string in = test::writeDocument(folder.file("in.tvl"), doc);
    const std::string out = folder.file("view.png");
    ASSERT_EQ(test::runTool({"render", in, out, "--size", "32x32"}).status, 0);
    const QImage image(QString::fromStdString(out), "PNG");
    EXPECT_EQ(image.pixel(16, 16) & 0xFFFFFF, rgbOf(kBackground) & 0xFFFFFF);
}

TEST(ToolRender, WithoutADisplayItFailsWithAMessage) {
    ScratchFolder folder;
    const std::string in = test::writeDocument(folder.file("in.tvl"), cylinder());
    const std::string out = folder.file("view.png");

    const test::ToolRun run =
        test::runTool({"render", in, out}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});

    EXPECT_EQ(run.status, 1);
    ASSERT_FALSE(run.errLines().empty());
    EXPECT_NE(run.errLines().back().find("needs a display"), std::string::npos) << run.err;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"in.tvl"});
}

}  // namespace
}  // namespace tv
