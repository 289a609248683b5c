// Replaces a file without ever leaving it half-written: the new contents go to a
// temporary file in the target's folder, and only a complete, flushed temporary file is
// renamed over the target. Whatever fails, the old target stays as it was and the
// temporary file is removed.
//
// The steps are separate calls so that an editor can ask the user between them:
//   begin(target)   CreateFailed -> "Unable to save"
//   writeAll(image) IoError      -> "Disk write error", Retry calls writeAll again,
//                                   Cancel calls abort() and reports "Unable to save"
//                   ShortWrite   -> the disk is full; abort()
//   commit()        Failed       -> "Unable to save"
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "objfile/file_ops.h"

namespace tv {

class SafeFileWriter {
  public:
    enum class BeginStatus { Ok, CreateFailed };
    enum class WriteStatus { Ok, IoError, ShortWrite };
    enum class CommitStatus { Ok, Failed };

    explicit SafeFileWriter(FileOps& ops = posixFileOps()) : ops_(ops) {}
    ~SafeFileWriter() { abort(); }
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Creates the temporary file. An existing target passes on its permission bits, with
    // the owner's write bit added; a new file gets the usual permissions under the umask.
    // A symbolic link as target is kept: the file it points to is replaced.
    [[nodiscard]] BeginStatus begin(const std::string& target);

    // Writes the whole image into the temporary file; a second call (Retry) starts over.
    [[nodiscard]] WriteStatus writeAll(std::span<const uint8_t> image);

    // Writes bytes at `offset` of the temporary file, for files written piece by piece.
    [[nodiscard]] WriteStatus writeAt(uint64_t offset, std::span<const uint8_t> bytes);

    // Flushes and closes the temporary file and renames it over the target. Fails unless
    // something was written and no write failed since the last writeAll() began.
    [[nodiscard]] CommitStatus commit();

    // Drops the temporary file; the target is untouched. Harmless when nothing is open.
    void abort();

    // The temporary file while one exists, else empty.
    const std::string& temporaryPath() const { return temp_path_; }

  private:
    FileOps& ops_;
    std::string target_;
    std::string temp_path_;
    int fd_ = -1;
    bool written_ = false;
    bool failed_ = false;
};

enum class SafeSaveOutcome { Ok, CreateFailed, IoError, ShortWrite, CommitFailed };

// All the steps at once, without retry, for callers that cannot ask the user.
[[nodiscard]] SafeSaveOutcome saveFileSafely(const std::string& target,
                                             std::span<const uint8_t> image,
                                             FileOps& ops = posixFileOps());

}  // namespace tv
