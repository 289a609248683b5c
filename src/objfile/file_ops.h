// The file-system operations that saving and opening use, behind an interface so that
// tests can make any of them fail. The real implementation calls POSIX directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tv {

struct FileInfo {
    bool regular = false;
    bool directory = false;
    uint32_t mode = 0;  // permission bits
    uint64_t size = 0;
};

// A count or a file descriptor; on failure `value` is -1 and `error` an errno value.
struct [[nodiscard]] IoResult {
    int64_t value = -1;
    int error = 0;
    bool ok() const { return value >= 0; }
};

class FileOps {
  public:
    virtual ~FileOps() = default;

    virtual IoResult openRead(const std::string& path) = 0;
    // Creates a new file for writing; fails if `path` exists. `mode` is subject to umask.
    virtual IoResult createExclusive(const std::string& path, uint32_t mode) = 0;
    [[nodiscard]] virtual std::optional<FileInfo> statPath(const std::string& path) = 0;
    [[nodiscard]] virtual std::optional<FileInfo> statOpen(int fd) = 0;
    virtual IoResult readAt(int fd, uint8_t* buffer, size_t size, uint64_t offset) = 0;
    virtual IoResult writeAt(int fd, const uint8_t* data, size_t size, uint64_t offset) = 0;
    [[nodiscard]] virtual bool truncate(int fd, uint64_t size) = 0;
    [[nodiscard]] virtual bool setMode(int fd, uint32_t mode) = 0;
    [[nodiscard]] virtual bool sync(int fd) = 0;
    [[nodiscard]] virtual bool close(int fd) = 0;
    [[nodiscard]] virtual bool rename(const std::string& from, const std::string& to) = 0;
    [[nodiscard]] virtual bool remove(const std::string& path) = 0;
    // Makes a completed rename durable; failures are ignored by the callers.
    virtual void syncDirectory(const std::string& dir) = 0;
    // The path with symbolic links resolved when it exists, else `path` unchanged.
    virtual std::string resolveLinks(const std::string& path) = 0;
};

class PosixFileOps : public FileOps {
  public:
    IoResult openRead(const std::string& path) override;
    IoResult createExclusive(const std::string& path, uint32_t mode) override;
    [[nodiscard]] std::optional<FileInfo> statPath(const std::string& path) override;
    [[nodiscard]] std::optional<FileInfo> statOpen(int fd) override;
    IoResult readAt(int fd, uint8_t* buffer, size_t size, uint64_t offset) override;
    IoResult writeAt(int fd, const uint8_t* data, size_t size, uint64_t offset) override;
    [[nodiscard]] bool truncate(int fd, uint64_t size) override;
    [[nodiscard]] bool setMode(int fd, uint32_t mode) override;
    [[nodiscard]] bool sync(int fd) override;
    [[nodiscard]] bool close(int fd) override;
    [[nodiscard]] bool rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] bool remove(const std::string& path) override;
    void syncDirectory(const std::string& dir) override;
    std::string resolveLinks(const std::string& path) override;
};

// The process-wide real file system.
FileOps& posixFileOps();

}  // namespace tv
