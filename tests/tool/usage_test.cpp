#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool_runner.h"

namespace tv {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(ToolUsage, HelpPrintsUsageAndSucceeds) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"export", "--help"}}) {
        const test::ToolRun run = test::runTool(args);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_TRUE(startsWith(run.out, "Usage: torvelle-tool")) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST(ToolUsage, MalformedCommandLinesExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate", "a.tvl"},
        {"info"},
        {"info", "a.tvl", "b.tvl"},
        {"convert", "a.tvl"},
        {"export", "a.tvl", "a.ply"},
        {"export", "a.tvl", "a.stl", "--segments", "2"},
        {"export", "a.tvl", "a.stl", "--segments=1000"},
        {"export", "a.tvl", "a.obj", "--segments", "7x"},
        {"export", "a.tvl", "a.obj", "--segments"},
        {"export", "a.tvl", "a.obj", "--mode", "1"},
        {"export", "a.tvl", "a.3mf", "--scale", "0"},
        {"export", "a.tvl", "a.3mf", "--scale", "2e6"},
        {"export", "a.tvl", "a.3mf", "--scale=-2"},
        {"export", "a.tvl", "a.stl", "--scale", "nan"},
        {"export", "a.tvl", "a.stl", "--scale", "5mm"},
        {"render", "a.tvl", "a.png", "--size", "640"},
        {"render", "a.tvl", "a.png", "--size", "2x100"},
        {"render", "a.tvl", "a.png", "--size", "100x-5"},
        {"render", "a.tvl", "a.png", "--mode", "4"},
        {"render", "a.tvl", "a.png", "--frames", "0"},
        {"render", "a.tvl", "a.png", "--segments", "7"},
        {"info", "--verbose", "a.tvl"},
    };
    for (const std::vector<std::string>& args : cases) {
        std::string line;
        for (const std::string& a : args) {
            line += a + " ";
        }
        const test::ToolRun run = test::runTool(args);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_TRUE(startsWith(run.err, "torvelle-tool: ")) << line << run.err;
        EXPECT_NE(run.err.find("\nUsage: torvelle-tool"), std::string::npos) << line;
        EXPECT_EQ(run.out, "") << line;
    }
}

TEST(ToolUsage, FileNamesMayFollowTheEndOfOptions) {
    const test::ToolRun run = test::runTool({"info", "--", "--missing.tvl"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(startsWith(run.err, "Cannot open ")) << run.err;
}

}  // namespace
}  // namespace tv
