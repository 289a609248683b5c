// Reads a whole file of bounded size into memory, refusing an oversized file before
// reading any of it. Opening and reading are separate calls so that an editor can offer
// Retry after a read error: read() starts from the beginning each time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "objfile/file_ops.h"
#include "objfile/object_file_layout.h"

namespace tv {

class WholeFileReader {
  public:
    enum class OpenStatus { Ok, CannotOpen, TooLarge };
    enum class ReadStatus { Ok, IoError, Incomplete };

    explicit WholeFileReader(FileOps& ops = posixFileOps()) : ops_(ops) {}
    ~WholeFileReader() { close(); }
    WholeFileReader(const WholeFileReader&) = delete;
    WholeFileReader& operator=(const WholeFileReader&) = delete;

    // Opens a regular file and takes its size; anything else (a missing file, a folder,
    // a device) cannot be opened. A file larger than `max_size` is closed again.
    [[nodiscard]] OpenStatus open(const std::string& path,
                                  uint64_t max_size = objfile::kMaxFileSize);

    // The size found by open().
    uint64_t size() const { return size_; }

    // Reads size() bytes into `bytes`. Incomplete when the file ended early; `bytes` then
    // holds what was read.
    [[nodiscard]] ReadStatus read(std::vector<uint8_t>& bytes);

    void close();

  private:
    FileOps& ops_;
    int fd_ = -1;
    uint64_t size_ = 0;
};

}  // namespace tv
