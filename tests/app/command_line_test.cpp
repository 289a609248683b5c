#include "app/command_line.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

TEST(CommandLine, ReadsOneFileHelpVersionAndRefusesEverythingElse) {
    using A = CommandLineAction;
    struct Case {
        std::vector<std::string> args;
        A action;
        std::optional<std::string> file;
    };
    const std::vector<Case> cases = {
        {{}, A::Run, std::nullopt},
        {{"vase.tvl"}, A::Run, "vase.tvl"},
        // A file that does not exist is the Open command's to report, not the parser's.
        {{"/no/such/folder/missing.tvl"}, A::Run, "/no/such/folder/missing.tvl"},
        {{"--", "-reverse"}, A::Run, "-reverse"},
        {{"--help"}, A::Help, std::nullopt},
        {{"vase.tvl", "--help"}, A::Help, std::nullopt},
        {{"--version"}, A::Version, std::nullopt},
        {{"-reverse"}, A::UsageError, std::nullopt},
        {{"-qwindowtitle", "Hello"}, A::UsageError, std::nullopt},
        {{"-platform", "offscreen", "vase.tvl"}, A::UsageError, std::nullopt},
        {{"--verbose"}, A::UsageError, std::nullopt},
        {{"-"}, A::UsageError, std::nullopt},
        {{""}, A::UsageError, std::nullopt},
        {{"a.tvl", "b.tvl"}, A::UsageError, std::nullopt},
        {{"a.tvl", "--", "b.tvl"}, A::UsageError, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        const CommandLine line = parseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << shown;
        if (c.action == A::Run) {
            EXPECT_EQ(line.file, c.file) << shown;
        }
        EXPECT_EQ(line.error.empty(), c.action != A::UsageError) << shown;
    }
    EXPECT_EQ(parseCommandLine({"-reverse"}).error, "torvelle: unknown option '-reverse'");
    EXPECT_TRUE(editorUsage().starts_with("Usage: torvelle [FILE]\n"));
}

}  // namespace
}  // namespace tv
