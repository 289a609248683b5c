#include "objfile/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace tv {

namespace {

IoResult fromSyscall(int64_t value) {
    return value < 0 ? IoResult{-1, errno} : IoResult{value, 0};
}

FileInfo toInfo(const struct stat& st) {
    return {S_ISREG(st.st_mode), S_ISDIR(st.st_mode), static_cast<uint32_t>(st.st_mode & 07777),
            static_cast<uint64_t>(st.st_size)};
}

}  // namespace

IoResult PosixFileOps::openRead(const std::string& path) {
    // Non-blocking so that opening a FIFO cannot hang; regular files ignore the flag.
    return fromSyscall(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
}

IoResult PosixFileOps::createExclusive(const std::string& path, uint32_t mode) {
    return fromSyscall(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode));
}

std::optional<FileInfo> PosixFileOps::statPath(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return toInfo(st);
}

std::optional<FileInfo> PosixFileOps::statOpen(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return std::nullopt;
    }
    return toInfo(st);
}

IoResult PosixFileOps::readAt(int fd, uint8_t* buffer, size_t size, uint64_t offset) {
    return fromSyscall(::pread(fd, buffer, size, static_cast<off_t>(offset)));
}

IoResult PosixFileOps::writeAt(int fd, const uint8_t* data, size_t size, uint64_t offset) {
    return fromSyscall(::pwrite(fd, data, size, static_cast<off_t>(offset)));
}

bool PosixFileOps::truncate(int fd, uint64_t size) {
    return ::ftruncate(fd, static_cast<off_t>(size)) == 0;
}

bool PosixFileOps::setMode(int fd, uint32_t mode) {
    return ::fchmod(fd, mode) == 0;
}

bool PosixFileOps::sync(int fd) {
    return ::fsync(fd) == 0;
}

bool PosixFileOps::close(int fd) {
    return ::close(fd) == 0;
}

bool PosixFileOps::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileOps::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

void PosixFileOps::syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string PosixFileOps::resolveLinks(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

FileOps& posixFileOps() {
    static PosixFileOps ops;
    return ops;
}

}  // namespace tv
