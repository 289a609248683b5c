// Writes the seed object files of the object file fuzzer into the folder given as the only
// argument: current-format files through the program's own writer, legacy DOS files byte
// by byte. Run again after a change of the format and commit what it writes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "objfile/byte_order.h"
#include "objfile/object_encoder.h"
#include "objfile/object_file_layout.h"

namespace tv {

namespace {

namespace of = objfile;

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

void addPoint(ObjectProfile& profile, int8_t link, double x, double y) {
    profile.links[profile.count] = link;
    profile.points[profile.count] = {x, y};
    ++profile.count;
}

std::vector<uint8_t> encoded(const ObjectDocument& doc) {
    return encodeObjectFile(doc).image;
}

ObjectDocument polyline() {
    ObjectDocument doc;
    addPoint(doc.profile, kLinkStart, 0.2, -0.8);
    addPoint(doc.profile, kLinkLeft, 0.9, -0.5);
    addPoint(doc.profile, kLinkLeft, 1.1, 0.0);
    addPoint(doc.profile, kLinkLeft, 0.7, 0.6);
    addPoint(doc.profile, kLinkLeft, 0.0, 0.9);
    return doc;
}

// Separate flipped segments about the X axis, every switch and light in use.
ObjectDocument segmentsAboutX() {
    ObjectDocument doc;
    doc.continuous = false;
    doc.flip = true;
    doc.axis_x = true;
    doc.display_mode = 3;
    doc.segments = 24;
    doc.zoom_position = 150;
    doc.move_positions = {-12, 30, -120};
    const double a = std::numbers::pi / 6;
    doc.rotation_matrix = {
        std::cos(a), std::sin(a), 0, 0, -std::sin(a), std::cos(a), 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    doc.rotate_positions = {3, -4, 10};
    doc.transparency_position = 40;
    doc.shininess_position = 80;
    for (ObjectLight& light : doc.lights) {
        light.on = true;
        light.position = {0.5f, -1.5f, 2.0f, 1.0f};
        light.spot_steps = {3, -2, -7};
        light.spotlight = true;
        light.spot_angle = 30;
        light.indicated = true;
        light.rotated = true;
    }
    doc.show_axes = true;
    doc.show_normals = true;
    for (int i = 0; i < 8; ++i) {
        addPoint(doc.profile, i % 2 == 0 ? kLinkStart : kLinkFlipped, -0.9 + 0.2 * i,
                 0.3 + 0.1 * i);
    }
    return doc;
}

// Values a reader must limit or repair: positions outside their track bars, two segments,
// an unknown display mode, no spot direction, a rotation and light positions that are not
// numbers, and points that are not finite or coincide.
ObjectDocument outOfRange() {
    ObjectDocument doc;
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    doc.display_mode = 9;
    doc.segments = 2;
    doc.zoom_position = 5000;
    doc.move_positions = {-41, 41, 1};
    doc.rotation_matrix[5] = kNan;
    doc.rotate_positions = {-11, 11, std::numeric_limits<int32_t>::min()};
    doc.transparency_position = -1;
    doc.shininess_position = std::numeric_limits<int32_t>::max();
    doc.lights[0].position = {std::numeric_limits<float>::infinity(), 1.0f, 1.0f, 0.5f};
    doc.lights[1].spot_steps = {0, 0, 0};
    doc.lights[2].spotlight = true;
    doc.lights[2].spot_angle = 400;
    addPoint(doc.profile, kLinkStart, 0.5, 0.5);
    addPoint(doc.profile, kLinkLeft, 0.5, 0.5);
    addPoint(doc.profile, kLinkLeft, kNan, 0.0);
    addPoint(doc.profile, kLinkFlipped, 1e308, -1e308);
    addPoint(doc.profile, kLinkLeft, kInf, 4.9e-324);
    addPoint(doc.profile, 7, 1.0, 1.0);
    return doc;
}

// The most points a file can hold: 65,535 bytes.
ObjectDocument fullProfile() {
    ObjectDocument doc;
    for (int i = 0; i < kMaxSavablePoints; ++i) {
        const double t = i / static_cast<double>(kMaxSavablePoints);
        addPoint(doc.profile, i % 100 == 0 ? kLinkStart : kLinkLeft, 1.0 + 0.8 * std::sin(12 * t),
                 2 * t - 1);
    }
    return doc;
}

std::vector<uint8_t> withVersion(std::vector<uint8_t> image, uint16_t version) {
    of::ByteWriter(image, of::kVersionOffset).u16(version);
    return image;
}

struct LegacyRecord {
    uint16_t x;
    uint16_t y;
};

std::vector<uint8_t> legacyFile(uint8_t drawing_mode, uint8_t image_kind, uint16_t segments,
                                uint8_t axis, const std::vector<LegacyRecord>& records) {
    std::vector<uint8_t> image(of::kLegacyHeaderSize + of::kLegacyBytesPerRecord * records.size());
    image[0] = static_cast<uint8_t>(of::kLegacyMagic.size());
    of::ByteWriter out(image, 1);
    for (const char c : of::kLegacyMagic) {
        out.u8(static_cast<uint8_t>(c));
    }
    image[of::kLegacyDrawingModeOffset] = drawing_mode;
    image[of::kLegacyImageKindOffset] = image_kind;
    of::ByteWriter(image, of::kLegacySegmentsOffset).u16(segments);
    image[of::kLegacyAxisOffset] = axis;
    of::ByteWriter(image, of::kLegacyRecordCountOffset)
        .u16(static_cast<uint16_t>(records.size() + 1));
    of::ByteWriter body(image, of::kLegacyHeaderSize);
    for (const LegacyRecord& r : records) {
        body.u16(r.x);
        body.u16(r.y);
    }
    return image;
}

std::vector<LegacyRecord> legacyStrokes(int count) {
    std::vector<LegacyRecord> records;
    for (int i = 0; i < count; ++i) {
        const auto x = static_cast<uint16_t>(40 + (i * 37) % 560);
        const auto y = static_cast<uint16_t>(20 + (i * 53) % 440);
        const bool starts = i % 7 == 0;
        records.push_back({static_cast<uint16_t>(x + (starts ? of::kLegacyStrokeMark : 0)),
                           static_cast<uint16_t>(y + (starts ? of::kLegacyStrokeMark : 0))});
    }
    return records;
}

}  // namespace

}  // namespace tv

int main(int argc, char** argv) {
    using namespace tv;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> seeds = {
        {"empty.tvl", encoded(ObjectDocument{})},
        {"polyline.tvl", encoded(polyline())},
        {"segments_about_x.tvl", encoded(segmentsAboutX())},
        {"out_of_range.tvl", encoded(outOfRange())},
        {"newer_version.tvl", withVersion(encoded(polyline()), 0x0102)},
        {"full_profile.tvl", encoded(fullProfile())},
        {"legacy_empty.tvl", legacyFile(0, 1, 8, 0, {})},
        {"legacy_spin_x.tvl", legacyFile(1, 2, 12, 1, legacyStrokes(30))},
        {"legacy_flat.tvl", legacyFile(0, 3, 3, 0, legacyStrokes(20))},
        {"legacy_odd_values.tvl",
         legacyFile(7, 0, 0, 9, {{3100, 3200}, {3000, 10}, {65535, 65535}, {0, 0}})},
        {"legacy_full.tvl", legacyFile(0, 1, 999, 0, legacyStrokes(kMaxPoints))},
    };
    for (const auto& [name, bytes] : seeds) {
        if (bytes.empty() || !writeFile(dir + name, bytes)) {
            std::fprintf(stderr, "cannot write %s%s\n", dir.c_str(), name);
            return 1;
        }
    }
    return 0;
}
