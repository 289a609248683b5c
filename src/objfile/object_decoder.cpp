#include "objfile/object_decoder.h"

#include <algorithm>

#include "objfile/byte_order.h"

namespace tv {

namespace of = objfile;
using objfile::ByteReader;

namespace {

bool startsWith(std::span<const uint8_t> bytes, size_t offset, std::string_view text) {
    return bytes.size() >= offset + text.size() &&
           std::equal(text.begin(), text.end(), bytes.begin() + static_cast<ptrdiff_t>(offset),
                      [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
}

uint16_t u16At(std::span<const uint8_t> bytes, size_t offset) {
    return ByteReader(bytes, offset).u16();
}

void readFixedPart(ByteReader& in, ObjectDocument& doc) {
    doc.continuous = in.boolean();
    doc.flip = in.boolean();
    doc.axis_x = in.boolean();
    for (int32_t& color : doc.colors) {
        color = in.i32();
    }
    doc.display_mode = in.u8();
    doc.segments = in.u16();
    doc.zoom_position = in.i32();
    for (int32_t& p : doc.move_positions) {
        p = in.i32();
    }
    for (double& m : doc.rotation_matrix) {
        m = in.f64();
    }
    for (int32_t& p : doc.rotate_positions) {
        p = in.i32();
    }
    doc.transparency_position = in.i32();
    doc.shininess_position = in.i32();
    for (ObjectLight& light : doc.lights) {
        light.on = in.boolean();
    }
    for (ObjectLight& light : doc.lights) {
        for (float& v : light.position) {
            v = in.f32();
        }
    }
    for (ObjectLight& light : doc.lights) {
        for (int32_t& s : light.spot_steps) {
            s = in.i32();
        }
    }
    for (ObjectLight& light : doc.lights) {
        light.spotlight = in.boolean();
    }
    for (ObjectLight& light : doc.lights) {
        light.spot_angle = in.i32();
    }
    for (ObjectLight& light : doc.lights) {
        light.indicated = in.boolean();
    }
    for (ObjectLight& light : doc.lights) {
        light.rotated = in.boolean();
    }
    doc.show_axes = in.boolean();
    doc.show_normals = in.boolean();
}

DecodeResult decodeCurrent(std::span<const uint8_t> bytes) {
    if (bytes.size() < of::kFixedPartSize) {
        return ObjectRefusal::Corrupt;
    }
    const uint16_t count = u16At(bytes, of::kPointCountOffset);
    if (bytes.size() != of::currentFileSize(count)) {
        return ObjectRefusal::Corrupt;
    }
    if (ByteReader(bytes, of::kChecksumOffset).u32() != of::checksumOf(bytes)) {
        return ObjectRefusal::Corrupt;
    }
    // A file within the size limit holds at most 3834 points, well inside the profile.
    static_assert(of::kMaxFileSize < of::currentFileSize(kMaxPoints + 1));

    DecodeResult result{std::in_place_type<CurrentObjectFile>};
    auto& file = std::get<CurrentObjectFile>(result);
    file.version = u16At(bytes, of::kVersionOffset);
    ByteReader in(bytes, of::kContinuousOffset);
    readFixedPart(in, file.document);
    ObjectProfile& profile = file.document.profile;
    profile.count = count;
    in = ByteReader(bytes, of::kLinksOffset);
    for (int i = 0; i < count; ++i) {
        profile.links[i] = in.i8();
    }
    for (int i = 0; i < count; ++i) {
        profile.points[i].x = in.f64();
        profile.points[i].y = in.f64();
    }
    return result;
}

// A record in the DOS edition's screen pixels, to profile units. The x scale on the X axis
// is 300 where everything else uses 240, as the DOS edition drew it.
TProfilePoint legacyPoint(uint16_t x, uint16_t y, bool axis_x) {
    if (axis_x) {
        return {(x - 33.0) / 300.0 - 1.0, (479.0 - y) / 240.0};
    }
    return {(x - 33.0) / 240.0, (479.0 - y) / 240.0 - 1.0};
}

DecodeResult decodeLegacy(std::span<const uint8_t> bytes) {
    const uint16_t m = u16At(bytes, of::kLegacyRecordCountOffset);
    if (m == 0 || bytes.size() != of::kLegacyHeaderSize + of::kLegacyBytesPerRecord * (m - 1u)) {
        return ObjectRefusal::Corrupt;
    }
    const int records = m - 1;
    if (records > kMaxPoints) {
        return ObjectRefusal::Corrupt;
    }

    DecodeResult result{std::in_place_type<LegacyObjectFile>};
    auto& file = std::get<LegacyObjectFile>(result);
    file.drawing_mode = bytes[of::kLegacyDrawingModeOffset];
    file.image_kind = bytes[of::kLegacyImageKindOffset];
    file.segments = u16At(bytes, of::kLegacySegmentsOffset);
    file.axis_x = bytes[of::kLegacyAxisOffset] != 0;
    file.profile.count = static_cast<uint16_t>(records);
    ByteReader in(bytes, of::kLegacyHeaderSize);
    for (int i = 0; i < records; ++i) {
        uint16_t x = in.u16();
        uint16_t y = in.u16();
        if (x < of::kLegacyStrokeMark) {
            file.profile.links[i] = kLinkLeft;
        } else {
            file.profile.links[i] = kLinkStart;
            // 16-bit unsigned arithmetic: a y below the mark wraps around.
            x = static_cast<uint16_t>(x - of::kLegacyStrokeMark);
            y = static_cast<uint16_t>(y - of::kLegacyStrokeMark);
        }
        file.profile.points[i] = legacyPoint(x, y, file.axis_x);
    }
    return result;
}

}  // namespace

DecodeResult decodeObjectFile(std::span<const uint8_t> bytes) {
    if (bytes.size() < of::kMinFileSize || bytes.size() > of::kMaxFileSize) {
        return ObjectRefusal::NotAnObject;
    }
    if (startsWith(bytes, 0, of::kMagic)) {
        return decodeCurrent(bytes);
    }
    if (bytes[0] == of::kLegacyMagic.size() && startsWith(bytes, 1, of::kLegacyMagic)) {
        return decodeLegacy(bytes);
    }
    return ObjectRefusal::NotAnObject;
}

}  // namespace tv
