// Builds object-file images in tests field by field, independently of the codec's own
// byte writer, so that a layout mistake in the codec cannot hide in both.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tv::test {

class ImageBuilder {
  public:
    ImageBuilder& text(std::string_view s) {
        for (const char c : s) {
            u8(static_cast<uint8_t>(c));
        }
        return *this;
    }
    ImageBuilder& u8(uint8_t v) {
        const size_t at = bytes.size();
        bytes.resize(at + 1);
        bytes[at] = v;
        return *this;
    }
    ImageBuilder& u16(uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    ImageBuilder& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    ImageBuilder& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    ImageBuilder& f32(float v) { return u32(std::bit_cast<uint32_t>(v)); }
    ImageBuilder& f64(double v) {
        const auto bits = std::bit_cast<uint64_t>(v);
        return u32(static_cast<uint32_t>(bits)).u32(static_cast<uint32_t>(bits >> 32));
    }

    // Stores the sum of bytes 18..end at offset 15, as a current-format image needs.
    ImageBuilder& sealChecksum() {
        uint32_t sum = 0;
        for (size_t i = 18; i < bytes.size(); ++i) {
            sum += bytes[i];
        }
        for (int k = 0; k < 4; ++k) {
            bytes[15 + k] = static_cast<uint8_t>(sum >> (8 * k));
        }
        return *this;
    }

    std::vector<uint8_t> bytes;
};

// A legacy image: header with the given fields, then the records (x, y pairs); the stored
// record count is records + 1 unless `stored_m` overrides it.
struct LegacyRecord {
    uint16_t x;
    uint16_t y;
};
inline std::vector<uint8_t> legacyImage(uint8_t drawing_mode, uint8_t image_kind, uint16_t segments,
                                        uint8_t axis, const std::vector<LegacyRecord>& records,
                                        int stored_m = -1) {
    ImageBuilder b;
    b.u8(13).text("VexTorvelle->").u8(drawing_mode).u8(image_kind).u8(0xAA).u16(segments);
    for (int i = 0; i < 10; ++i) {
        b.u8(0x55);
    }
    b.u8(axis).u8(0xAA);
    b.u16(static_cast<uint16_t>(stored_m >= 0 ? stored_m : records.size() + 1));
    for (const LegacyRecord& r : records) {
        b.u16(r.x).u16(r.y);
    }
    return b.bytes;
}

}  // namespace tv::test
