// 3MF through the 3MF consortium's library: one mesh object per shell, each placed once on
// the build plate, in millimetres. The library holds the whole model; write() packs it into
// the file through a streaming file writer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "objfile/streaming_file_writer.h"
#include "view3d/solid_mesh.h"

namespace tv {

class ThreeMfWriter {
  public:
    static constexpr bool kWantsVertices = true;
    static constexpr bool kWantsNormals = false;

    enum class Result { Written, Cancelled, Failed };

    ThreeMfWriter();
    ~ThreeMfWriter();
    ThreeMfWriter(const ThreeMfWriter&) = delete;
    ThreeMfWriter& operator=(const ThreeMfWriter&) = delete;

    void beginShell(const MeshShell& shell);
    void vertex(const Vec3& v);
    void normal(const Vec3&) {}
    void triangle(const MeshCorner& a, const MeshCorner& b, const MeshCorner& c);
    void endShell();

    // Packs the model into `out` (without committing it). `progress(share written, 0..1)`
    // is asked now and then whether to go on.
    Result write(StreamingFileWriter& out, const std::function<bool(double)>& progress);

  private:
    struct Library;
    std::unique_ptr<Library> library_;
};

static_assert(SolidMeshSink<ThreeMfWriter>);

}  // namespace tv
