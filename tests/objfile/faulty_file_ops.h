// The real file system with faults injected on request, for tests of saving and opening.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>

#include "objfile/file_ops.h"

namespace tv::test {

class FaultyFileOps : public PosixFileOps {
  public:
    bool fail_create = false;
    int write_errors = 0;           // the next writes that fail with EIO
    size_t write_limit = SIZE_MAX;  // bytes accepted before the disk is full
    bool write_returns_zero = false;
    bool fail_set_mode = false;
    bool fail_sync = false;
    bool fail_rename = false;
    int read_errors = 0;           // the next reads that fail with EIO
    size_t read_limit = SIZE_MAX;  // bytes the file seems to have when read
    int reads = 0;
    int creates = 0;

    IoResult createExclusive(const std::string& path, uint32_t mode) override {
        ++creates;
        if (fail_create) {
            return {-1, EACCES};
        }
        return PosixFileOps::createExclusive(path, mode);
    }
    IoResult writeAt(int fd, const uint8_t* data, size_t size, uint64_t offset) override {
        if (write_errors > 0) {
            --write_errors;
            return {-1, EIO};
        }
        if (write_returns_zero) {
            return {0, 0};
        }
        if (offset >= write_limit) {
            return {-1, ENOSPC};
        }
        const size_t allowed = std::min<size_t>(size, write_limit - offset);
        return PosixFileOps::writeAt(fd, data, allowed, offset);
    }
    [[nodiscard]] bool setMode(int fd, uint32_t mode) override {
        return !fail_set_mode && PosixFileOps::setMode(fd, mode);
    }
    [[nodiscard]] bool sync(int fd) override { return !fail_sync && PosixFileOps::sync(fd); }
    [[nodiscard]] bool rename(const std::string& from, const std::string& to) override {
        return !fail_rename && PosixFileOps::rename(from, to);
    }
    IoResult readAt(int fd, uint8_t* buffer, size_t size, uint64_t offset) override {
        ++reads;
        if (read_errors > 0) {
            --read_errors;
            return {-1, EIO};
        }
        if (offset >= read_limit) {
            return {0, 0};
        }
        return PosixFileOps::readAt(fd, buffer, std::min<size_t>(size, read_limit - offset),
                                    offset);
    }
};

}  // namespace tv::test
