#include "tool/mesh_writers.h"

#include <bit>
#include <charconv>
#include <cstring>
#include <string_view>

namespace tv::tool {

namespace {

constexpr size_t kStlHeaderSize = 80;
constexpr size_t kStlTriangleSize = 50;

// Does not begin with "solid", which would mark a text STL file.
constexpr std::string_view kStlHeaderText = "Binary STL of a Torvelle solid of revolution";

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

// One line of text built in place; long enough for three doubles or three face corners.
class Line {
  public:
    Line& text(std::string_view s) {
        std::memcpy(end_, s.data(), s.size());
        end_ += s.size();
        return *this;
    }
    Line& number(double v) {
        end_ = std::to_chars(end_, chars_ + sizeof chars_, v).ptr;
        return *this;
    }
    Line& number(uint64_t v) {
        end_ = std::to_chars(end_, chars_ + sizeof chars_, v).ptr;
        return *this;
    }
    std::string_view view() const { return {chars_, static_cast<size_t>(end_ - chars_)}; }

  private:
    char chars_[256];
    char* end_ = chars_;
};

void writeTriple(StreamingFileWriter& out, std::string_view tag, const Vec3& v) {
    Line line;
    line.text(tag).number(v.x).text(" ").number(v.y).text(" ").number(v.z).text("\n");
    out.append(line.view());
}

}  // namespace

StlWriter::StlWriter(StreamingFileWriter& out) : out_(out) {
    uint8_t header[kStlHeaderSize + 4] = {};
    std::memcpy(header, kStlHeaderText.data(), kStlHeaderText.size());
    out_.append(header);
}

void StlWriter::triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                         const Vec3& n) {
    uint8_t record[kStlTriangleSize] = {};
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
    out_.patch(kStlHeaderSize, count);
}

ObjWriter::ObjWriter(StreamingFileWriter& out) : out_(out) {
    out_.append("# Torvelle solid of revolution\n");
}

void ObjWriter::vertex(const MeshVertex& v) {
    writeTriple(out_, "v ", v.position);
    writeTriple(out_, "vn ", v.normal);
}

void ObjWriter::triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                         const Vec3&) {
    // OBJ numbers its vertices and normals from 1; each vertex has its own normal.
    Line line;
    line.text("f");
    for (const MeshVertex* v : {&a, &b, &c}) {
        const uint64_t i = v->index + 1;
        line.text(" ").number(i).text("//").number(i);
    }
    line.text("\n");
    out_.append(line.view());
}

}  // namespace tv::tool
