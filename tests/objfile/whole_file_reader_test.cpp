#include "objfile/whole_file_reader.h"

#include <gtest/gtest.h>

#include "faulty_file_ops.h"
#include "scratch_folder.h"

namespace tv {
namespace {

using Open = WholeFileReader::OpenStatus;
using Read = WholeFileReader::ReadStatus;

class WholeFileReaderTest : public ::testing::Test {
  protected:
    std::string fileOf(size_t size) {
        std::vector<uint8_t> bytes(size);
        for (size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<uint8_t>(i % 251);
        }
        const std::string path = folder.file(std::to_string(size) + ".bin");
        test::writeBytes(path, bytes);
        return path;
    }

    test::ScratchFolder folder;
    test::FaultyFileOps ops;
};

TEST_F(WholeFileReaderTest, ReadsTheWholeFile) {
    for (const size_t size : {size_t{0}, size_t{33}, size_t{65536}}) {
        WholeFileReader reader(ops);
        const std::string path = fileOf(size);
        ASSERT_EQ(reader.open(path), Open::Ok);
        EXPECT_EQ(reader.size(), size);
        std::vector<uint8_t> bytes{1, 2, 3};
        ASSERT_EQ(reader.read(bytes), Read::Ok);
        EXPECT_EQ(bytes, test::readBytes(path));
    }
}

TEST_F(WholeFileReaderTest, RefusesALargeFileBeforeReadingIt) {
    WholeFileReader reader(ops);
    EXPECT_EQ(reader.open(fileOf(65537)), Open::TooLarge);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(reader.read(bytes), Read::IoError);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(ops.reads, 0);
}

TEST_F(WholeFileReaderTest, CannotOpenMissingFilesFoldersAndDevices) {
    WholeFileReader reader(ops);
    EXPECT_EQ(reader.open(folder.file("missing")), Open::CannotOpen);
    EXPECT_EQ(reader.open(folder.path()), Open::CannotOpen);
    EXPECT_EQ(reader.open("/dev/zero"), Open::CannotOpen);
}

TEST_F(WholeFileReaderTest, ReadErrorThenRetry) {
    const std::string path = fileOf(400);
    WholeFileReader reader(ops);
    ASSERT_EQ(reader.open(path), Open::Ok);
    ops.read_errors = 1;
    std::vector<uint8_t> bytes;
    EXPECT_EQ(reader.read(bytes), Read::IoError);
    ASSERT_EQ(reader.read(bytes), Read::Ok);
    EXPECT_EQ(bytes, test::readBytes(path));
}

TEST_F(WholeFileReaderTest, FileEndingEarlyIsIncomplete) {
    WholeFileReader reader(ops);
    ASSERT_EQ(reader.open(fileOf(400)), Open::Ok);
    ops.read_limit = 100;
    std::vector<uint8_t> bytes;
    EXPECT_EQ(reader.read(bytes), Read::Incomplete);
    EXPECT_EQ(bytes.size(), 100u);
}

}  // namespace
}  // namespace tv
