// Writes a file of unknown length piece by piece without ever leaving the target
// half-written: the bytes go through a fixed buffer into a temporary file beside the
// target, and only a complete, flushed file is renamed over it. Whatever fails, the old
// target stays as it was and the temporary file is removed. Permissions and symbolic
// links are treated as the editor's safe save treats them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "objfile/file_ops.h"
#include "objfile/safe_file_writer.h"

namespace tv {

class StreamingFileWriter {
  public:
    explicit StreamingFileWriter(FileOps& ops = posixFileOps()) : writer_(ops) {}
    ~StreamingFileWriter() { abort(); }
    StreamingFileWriter(const StreamingFileWriter&) = delete;
    StreamingFileWriter& operator=(const StreamingFileWriter&) = delete;

    // Creates the temporary file; false when it cannot be made (then nothing is open).
    [[nodiscard]] bool begin(const std::string& target);

    // Appends bytes. After a failed write further bytes are dropped; commit() reports it.
    void append(std::span<const uint8_t> bytes);
    void append(std::string_view text) {
        append({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    }

    // Overwrites bytes already appended, starting at `offset` (a header's count).
    void patch(uint64_t offset, std::span<const uint8_t> bytes);

    // Bytes appended so far.
    uint64_t size() const { return flushed_ + used_; }

    // Writes what is buffered, flushes the file and renames it over the target.
    [[nodiscard]] SafeSaveOutcome commit();

    // Drops the temporary file; the target is untouched. Harmless when nothing is open.
    void abort();

  private:
    static constexpr size_t kBufferSize = 1 << 16;

    void flush();
    void write(uint64_t offset, std::span<const uint8_t> bytes);

    SafeFileWriter writer_;
    bool begun_ = false;
    SafeSaveOutcome failure_ = SafeSaveOutcome::Ok;
    uint64_t flushed_ = 0;
    size_t used_ = 0;
    std::array<uint8_t, kBufferSize> buffer_{};
};

}  // namespace tv
