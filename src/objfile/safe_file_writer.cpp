#include "objfile/safe_file_writer.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <utility>

namespace tv {

namespace {

constexpr uint32_t kOwnerWrite = 0200;
constexpr uint32_t kPermissionBits = 0777;
constexpr uint32_t kNewFileMode = 0666;
constexpr uint32_t kPrivateMode = 0600;
constexpr size_t kMaxNameStem = 200;  // leaves room for the suffix within NAME_MAX
constexpr int kNameAttempts = 32;

// A hidden name next to the target: ".<target name>.<random>.tmp".
std::string temporaryName(const std::filesystem::path& target) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::minstd_rand engine{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
    std::string name = ".";
    name += target.filename().string().substr(0, kMaxNameStem);
    name += '.';
    for (int i = 0; i < 6; ++i) {
        name += kAlphabet[pick(engine)];
    }
    name += ".tmp";
    const std::filesystem::path folder = target.parent_path();
    return (folder.empty() ? std::filesystem::path(name) : folder / name).string();
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

SafeFileWriter::BeginStatus SafeFileWriter::begin(const std::string& target) {
    abort();
    if (target.empty()) {
        return BeginStatus::CreateFailed;
    }
    target_ = ops_.resolveLinks(target);
    const std::optional<FileInfo> existing = ops_.statPath(target_);
    if (existing && !existing->regular) {
        return BeginStatus::CreateFailed;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = temporaryName(target_);
        const IoResult created =
            ops_.createExclusive(candidate, existing ? kPrivateMode : kNewFileMode);
        if (created.ok()) {
            fd_ = static_cast<int>(created.value);
            temp_path_ = std::move(candidate);
            break;
        }
        if (created.error != EEXIST) {
            return BeginStatus::CreateFailed;
        }
    }
    if (fd_ < 0) {
        return BeginStatus::CreateFailed;
    }
    if (existing && !ops_.setMode(fd_, (existing->mode & kPermissionBits) | kOwnerWrite)) {
        abort();
        return BeginStatus::CreateFailed;
    }
    return BeginStatus::Ok;
}

SafeFileWriter::WriteStatus SafeFileWriter::writeAll(std::span<const uint8_t> image) {
    if (fd_ < 0) {
        return WriteStatus::IoError;
    }
    if (written_ && !ops_.truncate(fd_, 0)) {
        failed_ = true;
        return WriteStatus::IoError;
    }
    failed_ = false;
    return writeAt(0, image);
}

SafeFileWriter::WriteStatus SafeFileWriter::writeAt(uint64_t offset,
                                                    std::span<const uint8_t> bytes) {
    if (fd_ < 0) {
        return WriteStatus::IoError;
    }
    written_ = true;
    size_t done = 0;
    while (done < bytes.size()) {
        const IoResult wrote =
            ops_.writeAt(fd_, bytes.data() + done, bytes.size() - done, offset + done);
        if (!wrote.ok()) {
            if (wrote.error == EINTR) {
                continue;
            }
            failed_ = true;
            const bool full =
                wrote.error == ENOSPC || wrote.error == EDQUOT || wrote.error == EFBIG;
            return full ? WriteStatus::ShortWrite : WriteStatus::IoError;
        }
        if (wrote.value == 0) {
            failed_ = true;
            return WriteStatus::ShortWrite;
        }
        done += static_cast<size_t>(wrote.value);
    }
    return WriteStatus::Ok;
}

SafeFileWriter::CommitStatus SafeFileWriter::commit() {
    if (fd_ < 0 || !written_ || failed_ || !ops_.sync(fd_)) {
        abort();
        return CommitStatus::Failed;
    }
    const bool closed = ops_.close(fd_);
    fd_ = -1;
    if (!closed || !ops_.rename(temp_path_, target_)) {
        abort();
        return CommitStatus::Failed;
    }
    temp_path_.clear();
    written_ = false;
    failed_ = false;
    ops_.syncDirectory(folderOf(target_));
    return CommitStatus::Ok;
}

void SafeFileWriter::abort() {
    // The temporary file is being dropped and the target was never touched: when closing or
    // removing it fails there is nothing left to do and nobody to tell.
    if (fd_ >= 0) {
        static_cast<void>(ops_.close(fd_));
        fd_ = -1;
    }
    if (!temp_path_.empty()) {
        static_cast<void>(ops_.remove(temp_path_));
        temp_path_.clear();
    }
    written_ = false;
    failed_ = false;
}

SafeSaveOutcome saveFileSafely(const std::string& target, std::span<const uint8_t> image,
                               FileOps& ops) {
    SafeFileWriter writer(ops);
    if (writer.begin(target) != SafeFileWriter::BeginStatus::Ok) {
        return SafeSaveOutcome::CreateFailed;
    }
    switch (writer.writeAll(image)) {
        case SafeFileWriter::WriteStatus::Ok:
            break;
        case SafeFileWriter::WriteStatus::IoError:
            return SafeSaveOutcome::IoError;
        case SafeFileWriter::WriteStatus::ShortWrite:
            return SafeSaveOutcome::ShortWrite;
    }
    return writer.commit() == SafeFileWriter::CommitStatus::Ok ? SafeSaveOutcome::Ok
                                                               : SafeSaveOutcome::CommitFailed;
}

}  // namespace tv
