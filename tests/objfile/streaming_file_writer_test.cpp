#include "objfile/streaming_file_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "objfile/faulty_file_ops.h"
#include "objfile/scratch_folder.h"

namespace tv {
namespace {

using test::FaultyFileOps;
using test::ScratchFolder;

std::vector<uint8_t> pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

class StreamingFileWriterTest : public ::testing::Test {
  protected:
    ScratchFolder folder;
    FaultyFileOps ops;
    std::string target = folder.file("mesh.stl");
    std::vector<uint8_t> old_contents{'o', 'l', 'd'};

    void SetUp() override { test::writeBytes(target, old_contents); }

    // Appends `bytes` in uneven pieces, larger and smaller than the writer's buffer.
    static void appendInPieces(StreamingFileWriter& writer, const std::vector<uint8_t>& bytes) {
        size_t at = 0;
        for (size_t piece = 1; at < bytes.size(); piece = piece * 3 + 1) {
            const size_t n = std::min(piece, bytes.size() - at);
            writer.append(std::span(bytes.data() + at, n));
            at += n;
        }
    }
};

TEST_F(StreamingFileWriterTest, WritesEveryPieceAndPatchesAtTheEnd) {
    const std::vector<uint8_t> bytes = pattern(300000);
    auto writer = std::make_unique<StreamingFileWriter>(ops);
    ASSERT_TRUE(writer->begin(target));
    appendInPieces(*writer, bytes);
    EXPECT_EQ(writer->size(), bytes.size());
    EXPECT_EQ(test::readBytes(target), old_contents);  // nothing replaced before commit

    const uint8_t count[4] = {1, 2, 3, 4};
    writer->patch(80, count);
    EXPECT_EQ(writer->commit(), SafeSaveOutcome::Ok);

    std::vector<uint8_t> expected = bytes;
    std::copy(std::begin(count), std::end(count), expected.begin() + 80);
    EXPECT_EQ(test::readBytes(target), expected);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"mesh.stl"});
}

TEST_F(StreamingFileWriterTest, DiskFullMidwayKeepsTheOldFile) {
    ops.write_limit = 100000;
    auto writer = std::make_unique<StreamingFileWriter>(ops);
    ASSERT_TRUE(writer->begin(target));
    appendInPieces(*writer, pattern(300000));
    EXPECT_EQ(writer->commit(), SafeSaveOutcome::ShortWrite);
    EXPECT_EQ(test::readBytes(target), old_contents);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"mesh.stl"});
}

TEST_F(StreamingFileWriterTest, FailuresOfWritingSyncOrRenameKeepTheOldFile) {
    for (const int fault : {0, 1, 2}) {
        FaultyFileOps faulty;
        faulty.write_errors = fault == 0 ? 1 : 0;
        faulty.fail_sync = fault == 1;
        faulty.fail_rename = fault == 2;
        auto writer = std::make_unique<StreamingFileWriter>(faulty);
        ASSERT_TRUE(writer->begin(target));
        appendInPieces(*writer, pattern(70000));
        EXPECT_EQ(writer->commit(),
                  fault == 0 ? SafeSaveOutcome::IoError : SafeSaveOutcome::CommitFailed);
        EXPECT_EQ(test::readBytes(target), old_contents) << fault;
        EXPECT_EQ(folder.names(), std::vector<std::string>{"mesh.stl"}) << fault;
    }
}

TEST_F(StreamingFileWriterTest, PatchOutsideTheWrittenBytesFails) {
    auto writer = std::make_unique<StreamingFileWriter>(ops);
    ASSERT_TRUE(writer->begin(target));
    writer->append(std::string_view("short"));
    const uint8_t count[4] = {};
    writer->patch(3, count);
    EXPECT_EQ(writer->commit(), SafeSaveOutcome::IoError);
    EXPECT_EQ(test::readBytes(target), old_contents);
}

TEST_F(StreamingFileWriterTest, AbandonedWriterLeavesNoTemporaryFile) {
    {
        auto writer = std::make_unique<StreamingFileWriter>(ops);
        ASSERT_TRUE(writer->begin(target));
        writer->append(std::string_view("partial"));
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{"mesh.stl"});
    ops.fail_create = true;
    StreamingFileWriter refused(ops);
    EXPECT_FALSE(refused.begin(folder.file("new.stl")));
}

}  // namespace
}  // namespace tv
