#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "objfile/image_builder.h"
#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

using test::ScratchFolder;

struct RefusalCase {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* message;  // followed by the file's full path
};

std::vector<uint8_t> validImage() {
    ObjectDocument doc;
    test::setProfile(doc, {{0.5, -0.5, 0}, {1.0, 0.5, 1}});
    return encodeObjectFile(doc).image;
}

std::vector<RefusalCase> refusalCases() {
    const char* not_object = "File is not a Torvelle object: ";
    const char* corrupt = "File is corrupt: ";
    std::vector<RefusalCase> cases;
    std::vector<uint8_t> short_file = validImage();
    short_file.resize(32);
    cases.push_back({"32 bytes", short_file, not_object});
    std::vector<uint8_t> huge = validImage();
    huge.resize(65537);
    cases.push_back({"65,537 bytes", huge, not_object});
    std::vector<uint8_t> magic = validImage();
    magic[3] = 'x';
    cases.push_back({"unknown magic", magic, not_object});
    std::vector<uint8_t> longer = validImage();
    longer.push_back(0);
    cases.push_back({"length not fitting the count", longer, corrupt});
    std::vector<uint8_t> changed = validImage();
    changed[200] ^= 0x10;
    cases.push_back({"checksum", changed, corrupt});
    cases.push_back(
        {"legacy without a record count", test::legacyImage(0, 1, 7, 0, {}, 0), corrupt});
    cases.push_back({"legacy longer than a profile",
                     test::legacyImage(0, 1, 7, 0, std::vector<test::LegacyRecord>(4097, {90, 90})),
                     corrupt});
    return cases;
}

TEST(ToolRefusal, EveryRefusalOfOpenWithItsMessage) {
    ScratchFolder folder;
    for (const RefusalCase& c : refusalCases()) {
        const std::string path = folder.file("refused.tvl");
        test::writeBytes(path, c.bytes);
        const test::ToolRun run = test::runTool({"info", path});
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_EQ(run.err, c.message + path + "\n") << c.name;
        EXPECT_EQ(run.out, "") << c.name;
    }
}

TEST(ToolRefusal, FilesThatCannotBeOpened) {
    ScratchFolder folder;
    for (const std::string& path : {folder.file("missing.tvl"), folder.path()}) {
        const test::ToolRun run = test::runTool({"info", path});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.err, "Cannot open " + path + "\n");
    }
}

TEST(ToolRefusal, MessagesNameTheFullPath) {
    const test::ToolRun run = test::runTool({"info", "no-such-folder/../missing.tvl"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Cannot open " + (std::filesystem::current_path() / "missing.tvl").string() + "\n");
}

TEST(ToolRefusal, EveryCommandRefusesAsInfoDoesAndWritesNothing) {
    ScratchFolder folder;
    const std::string in = folder.file("bad.tvl");
    std::vector<uint8_t> bytes = validImage();
    bytes.back() ^= 1;
    test::writeBytes(in, bytes);
    const std::vector<uint8_t> old_out{'o', 'l', 'd'};
    for (const char* out_name : {"out.tvl", "out.stl", "out.png"}) {
        const std::string out = folder.file(out_name);
        test::writeBytes(out, old_out);
        const char* command = out_name == std::string("out.tvl")   ? "convert"
                              : out_name == std::string("out.stl") ? "export"
                                                                   : "render";
        const test::ToolRun run = test::runTool({command, in, out});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "File is corrupt: " + in + "\n") << command;
        EXPECT_EQ(test::readBytes(out), old_out) << command;
    }
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"bad.tvl", "out.png", "out.stl", "out.tvl"}));
}

TEST(ToolRefusal, UnwritableTargetsAreReportedAsTheEditorReportsThem) {
    ScratchFolder folder;
    const std::string in = folder.file("in.tvl");
    test::writeBytes(in, validImage());
    const std::string no_folder = folder.file("missing/out.tvl");
    const test::ToolRun run = test::runTool({"convert", in, no_folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Unable to save " + no_folder + "\n");

    // A folder in the target's place stays as it was.
    const std::string taken = folder.file("taken.stl");
    std::filesystem::create_directory(taken);
    const test::ToolRun exported = test::runTool({"export", in, taken});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.err, "Unable to save " + taken + "\n");
    EXPECT_TRUE(std::filesystem::is_directory(taken));
}

}  // namespace
}  // namespace tv
