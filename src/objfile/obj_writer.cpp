#include "objfile/obj_writer.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace tv {

namespace {

// One line of text built in place; long enough for three doubles or three face corners.
class Line {
  public:
    Line& text(std::string_view s) {
        std::memcpy(end_, s.data(), s.size());
        end_ += s.size();
        return *this;
    }
    template <class Number>
    Line& number(Number v) {
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

ObjWriter::ObjWriter(StreamingFileWriter& out) : out_(out) {
    out_.append("# Torvelle solid of revolution\n");
}

void ObjWriter::beginShell(const MeshShell& shell) {
    Line line;
    line.text("o shell").number(shell.index + 1).text("\n");
    out_.append(line.view());
    shell_vertices_ = shell.vertex_count;
    shell_normals_ = shell.normal_count;
}

void ObjWriter::vertex(const Vec3& v) {
    writeTriple(out_, "v ", v);
}

void ObjWriter::normal(const Vec3& n) {
    writeTriple(out_, "vn ", n);
}

void ObjWriter::triangle(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c) {
    Line line;
    line.text("f");
    for (const MeshCorner* corner : {&a, &b, &c}) {
        line.text(" ").number(vertex_base_ + corner->vertex);
        line.text("//").number(normal_base_ + corner->normal);
    }
    line.text("\n");
    out_.append(line.view());
}

void ObjWriter::endShell() {
    vertex_base_ += shell_vertices_;
    normal_base_ += shell_normals_;
}

}  // namespace tv
