// Reads the byte image of an object file, of the current or of the legacy DOS format.
// The whole image is validated before anything is decoded, and a refusal says exactly why.
#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "objfile/object_document.h"
#include "objfile/object_file_layout.h"

namespace tv {

enum class ObjectRefusal {
    NotAnObject,  // size outside 33..65,536 bytes, or no known magic
    Corrupt,      // the length does not fit the point count, or the checksum differs
};

struct CurrentObjectFile {
    ObjectDocument document;  // the stored values as they are, not yet limited
    uint16_t version = objfile::kFormatVersion;

    // A newer file is still loaded; the editor tells the user which version it needs.
    bool newerVersion() const { return version > objfile::kFormatVersion; }
    int versionMajor() const { return version >> 8; }
    int versionMinor() const { return version & 0xFF; }
};

struct LegacyObjectFile {
    uint8_t drawing_mode = 0;  // 0 continuous, 1 separate; any other value keeps the editor's
    uint8_t image_kind = 0;    // 0 and 3 are flat images; 2 spins the object on loading
    uint16_t segments = 0;
    bool axis_x = false;
    ObjectProfile profile;  // already converted to profile units for the file's axis

    bool flatImage() const { return image_kind == 0 || image_kind == 3; }
};

using DecodeResult = std::variant<ObjectRefusal, CurrentObjectFile, LegacyObjectFile>;

// Validates in this order: size, magic, length, checksum (current format only). A legacy
// file with more point records than a profile holds is refused as corrupt.
[[nodiscard]] DecodeResult decodeObjectFile(std::span<const uint8_t> bytes);

}  // namespace tv
