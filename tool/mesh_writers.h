// The two mesh file formats of the export command, written as the triangles arrive.
#pragma once

#include <cstdint>

#include "objfile/streaming_file_writer.h"
#include "tool/mesh_sink.h"

namespace tv::tool {

// Binary STL: an 80-byte header, the triangle count, then 50 bytes per triangle (facet
// normal, three corners, all as float32, and a zero attribute word). The count is known
// only at the end and is written into the header by finish().
class StlWriter {
  public:
    explicit StlWriter(StreamingFileWriter& out);
    void vertex(const MeshVertex&) {}
    void triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c, const Vec3& n);
    void finish();

  private:
    StreamingFileWriter& out_;
    uint32_t count_ = 0;
};

// Wavefront OBJ: a "v" and a "vn" line for every vertex as it comes, and an "f" line with
// vertex//normal pairs for every triangle. Numbers are written in their shortest form
// that reads back as the same double.
class ObjWriter {
  public:
    explicit ObjWriter(StreamingFileWriter& out);
    void vertex(const MeshVertex& v);
    void triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c, const Vec3& n);
    void finish() {}

  private:
    StreamingFileWriter& out_;
};

static_assert(MeshWriter<StlWriter> && MeshWriter<ObjWriter>);

}  // namespace tv::tool
