#include "objfile/safe_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>

#include <filesystem>

#include "faulty_file_ops.h"
#include "scratch_folder.h"

namespace tv {
namespace {

using Begin = SafeFileWriter::BeginStatus;
using Write = SafeFileWriter::WriteStatus;
using Commit = SafeFileWriter::CommitStatus;
using test::FaultyFileOps;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

const std::vector<uint8_t> kOld = {'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e'};

std::vector<uint8_t> newImage(size_t size = 5000) {
    std::vector<uint8_t> image(size);
    for (size_t i = 0; i < size; ++i) {
        image[i] = static_cast<uint8_t>(i * 7 + 3);
    }
    return image;
}

class SafeFileWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder.path().empty());
        writeBytes(target(), kOld);
    }
    std::string target() const { return folder.file("model.tvl"); }
    void expectOldFileAlone() const {
        EXPECT_EQ(readBytes(target()), kOld);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"model.tvl"});
    }

    ScratchFolder folder;
    FaultyFileOps ops;
};

TEST_F(SafeFileWriterTest, ReplacesTheTargetOnlyAtCommit) {
    const std::vector<uint8_t> image = newImage();
    SafeFileWriter writer(ops);
    ASSERT_EQ(writer.begin(target()), Begin::Ok);
    ASSERT_EQ(writer.writeAll(image), Write::Ok);
    EXPECT_EQ(readBytes(target()), kOld);
    EXPECT_EQ(folder.names().size(), 2u);
    ASSERT_EQ(writer.commit(), Commit::Ok);
    EXPECT_EQ(readBytes(target()), image);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"model.tvl"});
    EXPECT_TRUE(writer.temporaryPath().empty());
}

TEST_F(SafeFileWriterTest, CreatesANewFile) {
    const std::string fresh = folder.file("fresh.tvl");
    EXPECT_EQ(saveFileSafely(fresh, newImage(), ops), SafeSaveOutcome::Ok);
    EXPECT_EQ(readBytes(fresh), newImage());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(test::permissionsOf(fresh), 0666u & ~mask);
}

TEST_F(SafeFileWriterTest, FailingCreateLeavesEverythingAsItWas) {
    ops.fail_create = true;
    SafeFileWriter writer(ops);
    EXPECT_EQ(writer.begin(target()), Begin::CreateFailed);
    expectOldFileAlone();
    EXPECT_EQ(saveFileSafely(target(), newImage(), ops), SafeSaveOutcome::CreateFailed);
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, IoErrorThenCancel) {
    ops.write_errors = 1;
    SafeFileWriter writer(ops);
    ASSERT_EQ(writer.begin(target()), Begin::Ok);
    EXPECT_EQ(writer.writeAll(newImage()), Write::IoError);
    writer.abort();
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, IoErrorThenRetryWritesTheWholeImage) {
    // The first attempt writes part of the image before failing; a retry with a shorter
    // image must not leave the first attempt's tail behind.
    ops.write_limit = 3000;
    SafeFileWriter writer(ops);
    ASSERT_EQ(writer.begin(target()), Begin::Ok);
    EXPECT_EQ(writer.writeAll(newImage(5000)), Write::ShortWrite);
    ops.write_limit = SIZE_MAX;
    ops.write_errors = 2;
    EXPECT_EQ(writer.writeAll(newImage(4000)), Write::IoError);
    EXPECT_EQ(writer.writeAll(newImage(4000)), Write::IoError);
    EXPECT_EQ(readBytes(target()), kOld);
    ASSERT_EQ(writer.writeAll(newImage(2000)), Write::Ok);
    ASSERT_EQ(writer.commit(), Commit::Ok);
    EXPECT_EQ(readBytes(target()), newImage(2000));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"model.tvl"});
}

TEST_F(SafeFileWriterTest, DiskFullIsAShortWrite) {
    ops.write_limit = 1000;
    SafeFileWriter writer(ops);
    ASSERT_EQ(writer.begin(target()), Begin::Ok);
    EXPECT_EQ(writer.writeAll(newImage()), Write::ShortWrite);
    writer.abort();
    expectOldFileAlone();

    ops.write_limit = SIZE_MAX;
    ops.write_returns_zero = true;
    EXPECT_EQ(saveFileSafely(target(), newImage(), ops), SafeSaveOutcome::ShortWrite);
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, FailingRenameOrSyncKeepsTheOldFile) {
    ops.fail_rename = true;
    EXPECT_EQ(saveFileSafely(target(), newImage(), ops), SafeSaveOutcome::CommitFailed);
    expectOldFileAlone();
    ops.fail_rename = false;
    ops.fail_sync = true;
    EXPECT_EQ(saveFileSafely(target(), newImage(), ops), SafeSaveOutcome::CommitFailed);
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, CommitWithoutACompleteWriteFails) {
    SafeFileWriter writer(ops);
    ASSERT_EQ(writer.begin(target()), Begin::Ok);
    EXPECT_EQ(writer.commit(), Commit::Failed);
    expectOldFileAlone();

    ops.write_errors = 1;
    ASSERT_EQ(writer.begin(target()), Begin::Ok);
    EXPECT_EQ(writer.writeAll(newImage()), Write::IoError);
    EXPECT_EQ(writer.commit(), Commit::Failed);
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, AbandonedWriterRemovesItsTemporaryFile) {
    {
        SafeFileWriter writer(ops);
        ASSERT_EQ(writer.begin(target()), Begin::Ok);
        ASSERT_EQ(writer.writeAll(newImage()), Write::Ok);
    }
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, ExistingTargetKeepsItsPermissionsAndBecomesWritable) {
    ASSERT_EQ(::chmod(target().c_str(), 0440), 0);
    EXPECT_EQ(saveFileSafely(target(), newImage(), ops), SafeSaveOutcome::Ok);
    EXPECT_EQ(readBytes(target()), newImage());
    EXPECT_EQ(test::permissionsOf(target()), 0640u);

    ASSERT_EQ(::chmod(target().c_str(), 0604), 0);
    EXPECT_EQ(saveFileSafely(target(), kOld, ops), SafeSaveOutcome::Ok);
    EXPECT_EQ(test::permissionsOf(target()), 0604u);

    ops.fail_set_mode = true;
    EXPECT_EQ(saveFileSafely(target(), newImage(), ops), SafeSaveOutcome::CreateFailed);
    expectOldFileAlone();
}

TEST_F(SafeFileWriterTest, SymbolicLinkStaysALink) {
    const std::string link = folder.file("link.tvl");
    std::filesystem::create_symlink(target(), link);
    EXPECT_EQ(saveFileSafely(link, newImage(), ops), SafeSaveOutcome::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(target()), newImage());
}

TEST_F(SafeFileWriterTest, RefusesAFolderOrAnEmptyNameAsTarget) {
    EXPECT_EQ(saveFileSafely(folder.path(), newImage(), ops), SafeSaveOutcome::CreateFailed);
    EXPECT_EQ(saveFileSafely("", newImage(), ops), SafeSaveOutcome::CreateFailed);
    EXPECT_EQ(ops.creates, 0);
    EXPECT_EQ(saveFileSafely(folder.file("missing/x.tvl"), newImage(), ops),
              SafeSaveOutcome::CreateFailed);
    expectOldFileAlone();
}

// Root may write into any folder, so as root the test runs itself again as an
// unprivileged user, where a read-only folder really refuses files.
bool rerunAsUnprivilegedUser() {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string filter =
        "--gtest_filter=SafeFileWriterTest.ReadOnlyFolderOnTheRealFileSystem";
    const std::string command =
        "TORVELLE_UNPRIVILEGED_RUN=1 setpriv --reuid=65534 "
        "--regid=65534 --clear-groups '" +
        self + "' " + filter + " > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST_F(SafeFileWriterTest, ReadOnlyFolderOnTheRealFileSystem) {
    if (::geteuid() == 0 && std::system("command -v setpriv > /dev/null 2>&1") == 0) {
        EXPECT_TRUE(rerunAsUnprivilegedUser());
        return;
    }
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    if (::access(folder.path().c_str(), W_OK) == 0) {
        ASSERT_EQ(std::getenv("TORVELLE_UNPRIVILEGED_RUN"), nullptr)
            << "the unprivileged user may write into a read-only folder";
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_EQ(saveFileSafely(target(), newImage()), SafeSaveOutcome::CreateFailed);
    EXPECT_EQ(saveFileSafely(folder.file("other.tvl"), newImage()), SafeSaveOutcome::CreateFailed);
    expectOldFileAlone();
}

}  // namespace
}  // namespace tv
