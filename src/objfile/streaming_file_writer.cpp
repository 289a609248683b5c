#include "objfile/streaming_file_writer.h"

#include <algorithm>
#include <cstring>

namespace tv {

namespace {

SafeSaveOutcome outcomeOf(SafeFileWriter::WriteStatus status) {
    switch (status) {
        case SafeFileWriter::WriteStatus::Ok:
            return SafeSaveOutcome::Ok;
        case SafeFileWriter::WriteStatus::IoError:
            return SafeSaveOutcome::IoError;
        case SafeFileWriter::WriteStatus::ShortWrite:
            return SafeSaveOutcome::ShortWrite;
    }
    return SafeSaveOutcome::IoError;
}

}  // namespace

bool StreamingFileWriter::begin(const std::string& target) {
    abort();
    begun_ = writer_.begin(target) == SafeFileWriter::BeginStatus::Ok;
    return begun_;
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
    write(offset, bytes);
}

void StreamingFileWriter::flush() {
    if (used_ == 0) {
        return;
    }
    write(flushed_, std::span<const uint8_t>(buffer_.data(), used_));
    flushed_ += used_;
    used_ = 0;
}

void StreamingFileWriter::write(uint64_t offset, std::span<const uint8_t> bytes) {
    if (failure_ == SafeSaveOutcome::Ok) {
        failure_ = begun_ ? outcomeOf(writer_.writeAt(offset, bytes)) : SafeSaveOutcome::IoError;
    }
}

SafeSaveOutcome StreamingFileWriter::commit() {
    if (!begun_) {
        return SafeSaveOutcome::CreateFailed;
    }
    flush();
    const SafeSaveOutcome failure = failure_;
    if (failure != SafeSaveOutcome::Ok) {
        abort();
        return failure;
    }
    const bool committed = writer_.commit() == SafeFileWriter::CommitStatus::Ok;
    abort();
    return committed ? SafeSaveOutcome::Ok : SafeSaveOutcome::CommitFailed;
}

void StreamingFileWriter::abort() {
    writer_.abort();
    begun_ = false;
    failure_ = SafeSaveOutcome::Ok;
    flushed_ = 0;
    used_ = 0;
}

}  // namespace tv
