#include "objfile/whole_file_reader.h"

#include <cerrno>
#include <optional>

namespace tv {

WholeFileReader::OpenStatus WholeFileReader::open(const std::string& path, uint64_t max_size) {
    close();
    const IoResult opened = ops_.openRead(path);
    if (!opened.ok()) {
        return OpenStatus::CannotOpen;
    }
    fd_ = static_cast<int>(opened.value);
    const std::optional<FileInfo> info = ops_.statOpen(fd_);
    if (!info || !info->regular) {
        close();
        return OpenStatus::CannotOpen;
    }
    if (info->size > max_size) {
        close();
        return OpenStatus::TooLarge;
    }
    size_ = info->size;
    return OpenStatus::Ok;
}

WholeFileReader::ReadStatus WholeFileReader::read(std::vector<uint8_t>& bytes) {
    bytes.assign(static_cast<size_t>(size_), 0);
    if (fd_ < 0) {
        bytes.clear();
        return ReadStatus::IoError;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const IoResult got = ops_.readAt(fd_, bytes.data() + done, bytes.size() - done, done);
        if (!got.ok()) {
            if (got.error == EINTR) {
                continue;
            }
            return ReadStatus::IoError;
        }
        if (got.value == 0) {
            bytes.resize(done);
            return ReadStatus::Incomplete;
        }
        done += static_cast<size_t>(got.value);
    }
    return ReadStatus::Ok;
}

void WholeFileReader::close() {
    if (fd_ >= 0) {
        // Nothing was written through this descriptor: a failed close loses nothing.
        static_cast<void>(ops_.close(fd_));
        fd_ = -1;
    }
    size_ = 0;
}

}  // namespace tv
