// Binary STL, written as the triangles arrive: an 80-byte header, the triangle count, then
// 50 bytes per triangle (facet normal, three corners, all as float32, and a zero attribute
// word). The count is known only at the end and is written into the header by finish().
#pragma once

#include <cstdint>

#include "objfile/streaming_file_writer.h"
#include "view3d/solid_mesh.h"

namespace tv {

class StlWriter {
  public:
    static constexpr bool kWantsVertices = false;
    static constexpr bool kWantsNormals = false;

    explicit StlWriter(StreamingFileWriter& out);
    void beginShell(const MeshShell&) {}
    void vertex(const Vec3&) {}
    void normal(const Vec3&) {}
    void triangle(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c);
    void endShell() {}
    void finish();

  private:
    StreamingFileWriter& out_;
    uint32_t count_ = 0;
};

static_assert(SolidMeshSink<StlWriter>);

}  // namespace tv
