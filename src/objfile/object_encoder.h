// Writes a document as the byte image of a current-format object file.
#pragma once

#include <cstdint>
#include <vector>

#include "objfile/object_document.h"
#include "objfile/object_file_layout.h"

namespace tv {

// The most points a file can hold while staying within the readers' size limit.
inline constexpr int kMaxSavablePoints =
    static_cast<int>((objfile::kMaxFileSize - objfile::kFixedPartSize) / objfile::kBytesPerPoint);
static_assert(kMaxSavablePoints == 3834);

enum class EncodeStatus {
    Ok,
    TooManyPoints,  // the profile has more than kMaxSavablePoints points; nothing was built
};

struct [[nodiscard]] EncodeResult {
    EncodeStatus status = EncodeStatus::Ok;
    std::vector<uint8_t> image;  // the whole file, empty unless status is Ok
};

// The exact file image: 357 + 17 N bytes, version 1.0, with its checksum.
EncodeResult encodeObjectFile(const ObjectDocument& document);

}  // namespace tv
