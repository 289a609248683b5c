#include "objfile/object_encoder.h"

#include <utility>

#include "objfile/byte_order.h"

namespace tv {

using objfile::ByteWriter;

namespace {

void writeFixedPart(const ObjectDocument& doc, ByteWriter& out) {
    for (const char c : objfile::kMagic) {
        out.u8(static_cast<uint8_t>(c));
    }
    out.u16(objfile::kFormatVersion);
    out.u32(0);  // checksum, filled in once the image is complete
    out.boolean(doc.continuous);
    out.boolean(doc.flip);
    out.boolean(doc.axis_x);
    for (const int32_t color : doc.colors) {
        out.i32(color);
    }
    out.u8(doc.display_mode);
    out.u16(doc.segments);
    out.i32(doc.zoom_position);
    for (const int32_t p : doc.move_positions) {
        out.i32(p);
    }
    for (const double m : doc.rotation_matrix) {
        out.f64(m);
    }
    for (const int32_t p : doc.rotate_positions) {
        out.i32(p);
    }
    out.i32(doc.transparency_position);
    out.i32(doc.shininess_position);
    for (const ObjectLight& light : doc.lights) {
        out.boolean(light.on);
    }
    for (const ObjectLight& light : doc.lights) {
        for (const float v : light.position) {
            out.f32(v);
        }
    }
    for (const ObjectLight& light : doc.lights) {
        for (const int32_t s : light.spot_steps) {
            out.i32(s);
        }
    }
    for (const ObjectLight& light : doc.lights) {
        out.boolean(light.spotlight);
    }
    for (const ObjectLight& light : doc.lights) {
        out.i32(light.spot_angle);
    }
    for (const ObjectLight& light : doc.lights) {
        out.boolean(light.indicated);
    }
    for (const ObjectLight& light : doc.lights) {
        out.boolean(light.rotated);
    }
    out.boolean(doc.show_axes);
    out.boolean(doc.show_normals);
    out.u16(doc.profile.count);
}

void writeProfile(const ObjectProfile& profile, ByteWriter& out) {
    for (int i = 0; i < profile.count; ++i) {
        out.i8(profile.links[i]);
    }
    for (int i = 0; i < profile.count; ++i) {
        out.f64(profile.points[i].x);
        out.f64(profile.points[i].y);
    }
}

}  // namespace

EncodeResult encodeObjectFile(const ObjectDocument& document) {
    if (document.profile.count > kMaxSavablePoints) {
        return {EncodeStatus::TooManyPoints, {}};
    }
    std::vector<uint8_t> image(objfile::currentFileSize(document.profile.count));
    ByteWriter out(image);
    writeFixedPart(document, out);
    writeProfile(document.profile, out);
    ByteWriter(image, objfile::kChecksumOffset).u32(objfile::checksumOf(image));
    return {EncodeStatus::Ok, std::move(image)};
}

}  // namespace tv
