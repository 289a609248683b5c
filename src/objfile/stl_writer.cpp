#include "objfile/stl_writer.h"

#include <bit>
#include <cstring>
#include <string_view>

namespace tv {

namespace {

constexpr size_t kHeaderSize = 80;
constexpr size_t kTriangleSize = 50;

// Does not begin with "solid", which would mark a text STL file.
constexpr std::string_view kHeaderText = "Binary STL of a Torvelle solid of revolution";

uint8_t* putU32(uint8_t* at, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        *at++ = static_cast<uint8_t>(v >> shift);
    }
    return at;
}

// The file is little-endian: on a little-endian machine the floats are copied as they are.
void putFloats(uint8_t* at, const float* values, size_t count) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, values, count * sizeof(float));
    } else {
        for (size_t i = 0; i < count; ++i) {
            at = putU32(at, std::bit_cast<uint32_t>(values[i]));
        }
    }
}

void putVector(float*& at, const Vec3& v) {
    *at++ = static_cast<float>(v.x);
    *at++ = static_cast<float>(v.y);
    *at++ = static_cast<float>(v.z);
}

}  // namespace

StlWriter::StlWriter(StreamingFileWriter& out) : out_(out) {
    uint8_t header[kHeaderSize + 4] = {};
    std::memcpy(header, kHeaderText.data(), kHeaderText.size());
    out_.append(header);
}

void StlWriter::triangle(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c) {
    Vec3 n = cross(b.position - a.position, c.position - a.position);
    const double size = length(n);
    n = {n.x / size + 0.0, n.y / size + 0.0, n.z / size + 0.0};
    float values[12];
    float* at = values;
    putVector(at, n);
    putVector(at, a.position);
    putVector(at, b.position);
    putVector(at, c.position);
    uint8_t record[kTriangleSize] = {};  // ends with the zero attribute word
    putFloats(record, values, 12);
    out_.append(record);
    ++count_;
}

void StlWriter::finish() {
    uint8_t count[4];
    putU32(count, count_);
    out_.patch(kHeaderSize, count);
}

}  // namespace tv
