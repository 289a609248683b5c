// Byte layout of the object files: the current format, which the program reads and
// writes, and the legacy format of the DOS edition, which it only reads. Offsets are
// counted from the start of the file; every number is little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tv::objfile {

// Sizes every reader accepts before looking at the contents.
inline constexpr size_t kMinFileSize = 33;
inline constexpr size_t kMaxFileSize = 65536;

// Current format: a fixed part, then N link bytes, then N points of two float64.
inline constexpr std::string_view kMagic = "VexGLTorvel->";
inline constexpr uint16_t kFormatVersion = 0x0100;  // high byte major, low byte minor
inline constexpr size_t kFixedPartSize = 357;
inline constexpr size_t kBytesPerPoint = 17;

inline constexpr size_t kVersionOffset = 13;
inline constexpr size_t kChecksumOffset = 15;
inline constexpr size_t kChecksumStart = 18;  // the sum covers this byte to the end
inline constexpr size_t kContinuousOffset = 19;
inline constexpr size_t kFlipOffset = 20;
inline constexpr size_t kAxisOffset = 21;
inline constexpr size_t kColorsOffset = 22;
inline constexpr size_t kDisplayModeOffset = 78;
inline constexpr size_t kSegmentsOffset = 79;
inline constexpr size_t kZoomOffset = 81;
inline constexpr size_t kMoveOffset = 85;
inline constexpr size_t kRotationMatrixOffset = 97;
inline constexpr size_t kRotateOffset = 225;
inline constexpr size_t kTransparencyOffset = 237;
inline constexpr size_t kShininessOffset = 241;
inline constexpr size_t kLightOnOffset = 245;
inline constexpr size_t kLightPositionOffset = 248;
inline constexpr size_t kSpotStepsOffset = 296;
inline constexpr size_t kSpotlightOffset = 332;
inline constexpr size_t kSpotAngleOffset = 335;
inline constexpr size_t kIndicatedOffset = 347;
inline constexpr size_t kRotatedOffset = 350;
inline constexpr size_t kShowAxesOffset = 353;
inline constexpr size_t kShowNormalsOffset = 354;
inline constexpr size_t kPointCountOffset = 355;
inline constexpr size_t kLinksOffset = 357;

constexpr size_t currentFileSize(size_t point_count) {
    return kFixedPartSize + kBytesPerPoint * point_count;
}

// The checksum of a current-format image: its bytes from kChecksumStart to the end, each
// as 0..255, added into 32 bits. The writer sums with the checksum field still zero; since
// no image reaches 2^24 / 255 bytes, the field's high byte (kChecksumStart) stays zero, so a
// reader summing the stored file obtains the stored value.
constexpr uint32_t checksumOf(std::span<const uint8_t> image) {
    uint32_t sum = 0;
    for (size_t i = kChecksumStart; i < image.size(); ++i) {
        sum += image[i];
    }
    return sum;
}

// Legacy format: a length-prefixed magic, a small header, then point records of two
// uint16 in the DOS edition's screen pixels.
inline constexpr std::string_view kLegacyMagic = "VexTorvelle->";
inline constexpr size_t kLegacyDrawingModeOffset = 14;
inline constexpr size_t kLegacyImageKindOffset = 15;
inline constexpr size_t kLegacySegmentsOffset = 17;
inline constexpr size_t kLegacyAxisOffset = 29;
inline constexpr size_t kLegacyRecordCountOffset = 31;  // holds records + 1
inline constexpr size_t kLegacyHeaderSize = 33;
inline constexpr size_t kLegacyBytesPerRecord = 4;
inline constexpr uint16_t kLegacyStrokeMark = 3000;  // x >= this starts a stroke

}  // namespace tv::objfile
