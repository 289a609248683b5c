// Wavefront OBJ, written as the mesh arrives: per shell an "o" line, a "v" line for each
// vertex, a "vn" line for each normal and an "f" line of vertex//normal pairs for each
// triangle, so that triangles share their corners and an importer sees one connected mesh
// per shell. Numbers are written in their shortest form that reads back as the same
// double.
#pragma once

#include <cstdint>

#include "objfile/streaming_file_writer.h"
#include "view3d/solid_mesh.h"

namespace tv {

class ObjWriter {
  public:
    static constexpr bool kWantsVertices = true;
    static constexpr bool kWantsNormals = true;

    explicit ObjWriter(StreamingFileWriter& out);
    void beginShell(const MeshShell& shell);
    void vertex(const Vec3& v);
    void normal(const Vec3& n);
    void triangle(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c);
    void endShell();
    void finish() {}

  private:
    StreamingFileWriter& out_;
    // OBJ numbers vertices and normals from 1 across the whole file.
    uint64_t vertex_base_ = 1;
    uint64_t normal_base_ = 1;
    uint64_t shell_vertices_ = 0;
    uint64_t shell_normals_ = 0;
};

static_assert(SolidMeshSink<ObjWriter>);

}  // namespace tv
