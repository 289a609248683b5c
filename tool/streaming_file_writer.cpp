#include "tool/streaming_file_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace tv::tool {

namespace {

constexpr uint32_t kOwnerWrite = 0200;
constexpr uint32_t kPermissionBits = 0777;
constexpr uint32_t kNewFileMode = 0666;
constexpr uint32_t kPrivateMode = 0600;
constexpr size_t kMaxNameStem = 200;  // leaves room for the suffix within NAME_MAX
constexpr int kNameAttempts = 32;

// A hidden name next to the target: ".<target name>.<random>.part".
std::string temporaryName(const std::filesystem::path& target) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::minstd_rand engine{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
    std::string name = "." + target.filename().string().substr(0, kMaxNameStem) + ".";
    for (int i = 0; i < 6; ++i) {
        name += kAlphabet[pick(engine)];
    }
    name += ".part";
    const std::filesystem::path folder = target.parent_path();
    return (folder.empty() ? std::filesystem::path(name) : folder / name).string();
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

bool StreamingFileWriter::begin(const std::string& target) {
    abort();
    if (target.empty()) {
        return false;
    }
    target_ = ops_.resolveLinks(target);
    const std::optional<FileInfo> existing = ops_.statPath(target_);
    if (existing && !existing->regular) {
        return false;
    }
    for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
        std::string candidate = temporaryName(target_);
        const IoResult created =
            ops_.createExclusive(candidate, existing ? kPrivateMode : kNewFileMode);
        if (created.ok()) {
            fd_ = static_cast<int>(created.value);
            temp_path_ = std::move(candidate);
        } else if (created.error != EEXIST) {
            return false;
        }
    }
    if (fd_ < 0) {
        return false;
    }
    if (existing && !ops_.setMode(fd_, (existing->mode & kPermissionBits) | kOwnerWrite)) {
        abort();
        return false;
    }
    return true;
}

void StreamingFileWriter::append(std::span<const uint8_t> bytes) {
    while (!bytes.empty() && failure_ == SafeSaveOutcome::Ok) {
        if (used_ == buffer_.size()) {
            flush();
            continue;
        }
        const size_t n = std::min(bytes.size(), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes.data(), n);
        used_ += n;
        bytes = bytes.subspan(n);
    }
}

void StreamingFileWriter::patch(uint64_t offset, std::span<const uint8_t> bytes) {
    if (offset + bytes.size() > size()) {
        failure_ = SafeSaveOutcome::IoError;
        return;
    }
    flush();
    writeFully(bytes.data(), bytes.size(), offset);
}

void StreamingFileWriter::flush() {
    if (used_ == 0 || failure_ != SafeSaveOutcome::Ok) {
        return;
    }
    writeFully(buffer_.data(), used_, flushed_);
    flushed_ += used_;
    used_ = 0;
}

void StreamingFileWriter::writeFully(const uint8_t* data, size_t size, uint64_t offset) {
    if (fd_ < 0) {
        failure_ = SafeSaveOutcome::IoError;
        return;
    }
    size_t done = 0;
    while (done < size && failure_ == SafeSaveOutcome::Ok) {
        const IoResult wrote = ops_.writeAt(fd_, data + done, size - done, offset + done);
        if (!wrote.ok()) {
            if (wrote.error == EINTR) {
                continue;
            }
            const bool full =
                wrote.error == ENOSPC || wrote.error == EDQUOT || wrote.error == EFBIG;
            failure_ = full ? SafeSaveOutcome::ShortWrite : SafeSaveOutcome::IoError;
        } else if (wrote.value == 0) {
            failure_ = SafeSaveOutcome::ShortWrite;
        } else {
            done += static_cast<size_t>(wrote.value);
        }
    }
}

SafeSaveOutcome StreamingFileWriter::commit() {
    if (fd_ < 0) {
        return SafeSaveOutcome::CreateFailed;
    }
    flush();
    if (failure_ != SafeSaveOutcome::Ok) {
        const SafeSaveOutcome failure = failure_;
        abort();
        return failure;
    }
    if (!ops_.sync(fd_)) {
        abort();
        return SafeSaveOutcome::CommitFailed;
    }
    const bool closed = ops_.close(fd_);
    fd_ = -1;
    if (!closed || !ops_.rename(temp_path_, target_)) {
        abort();
        return SafeSaveOutcome::CommitFailed;
    }
    temp_path_.clear();
    ops_.syncDirectory(folderOf(target_));
    return SafeSaveOutcome::Ok;
}

void StreamingFileWriter::abort() {
    if (fd_ >= 0) {
        ops_.close(fd_);
        fd_ = -1;
    }
    if (!temp_path_.empty()) {
        ops_.remove(temp_path_);
        temp_path_.clear();
    }
    failure_ = SafeSaveOutcome::Ok;
    flushed_ = 0;
    used_ = 0;
}

}  // namespace tv::tool
