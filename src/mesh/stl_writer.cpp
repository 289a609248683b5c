#include "mesh/stl_writer.h"

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

uint8_t* putVector(uint8_t* at, const Vec3& v) {
    at = putU32(at, std::bit_cast<uint32_t>(static_cast<float>(v.x)));
    at = putU32(at, std::bit_cast<uint32_t>(static_cast<float>(v.y)));
    return putU32(at, std::bit_cast<uint32_t>(static_cast<float>(v.z)));
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
    uint8_t record[kTriangleSize] = {};
    uint8_t* at = putVector(record, n);
    at = putVector(at, a.position);
    at = putVector(at, b.position);
    putVector(at, c.position);
    out_.append(record);
    ++count_;
}

void StlWriter::finish() {
    uint8_t count[4];
    putU32(count, count_);
    out_.patch(kHeaderSize, count);
}

}  // namespace tv
