// The reference the render pass is measured against: the lit strips' normals and vertices,
// computed beforehand by the surface builder, sent straight to OpenGL in immediate mode
// with the same calls (glBegin(GL_QUAD_STRIP), glNormal3d, glVertex3d, glEnd).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "view3d/surface_frame.h"

namespace tv::bench {

// The process's resident memory in bytes, from /proc; 0 where it cannot be read.
long residentBytes();

// Every strip's normals and vertices in drawing order, six doubles a vertex: about
// 370 MB at 3834 points x 999 segments, read from memory on every frame.
class StreamReference {
  public:
    void build(const SurfaceFrame& frame);
    void draw() const;
    size_t bytes() const;

    const std::vector<double>& values() const { return values_; }
    const std::vector<int>& stripLengths() const { return strip_lengths_; }

  private:
    std::vector<double> values_;
    std::vector<int> strip_lengths_;
};

// The same data with each edge of the strips stored once: within a stroke, the second edge
// of a strip (point k with the segment's normal) is the first edge of the next one. Half
// the memory of the stream; the most compact form precomputed normals and vertices take.
class EdgeReference {
  public:
    void build(const StreamReference& stream);
    void draw() const;
    size_t bytes() const;

  private:
    const double* edge(int index) const { return edges_.data() + index * edge_values_; }

    int edge_vertices_ = 0;
    int edge_values_ = 0;
    std::vector<double> edges_;
    std::vector<std::pair<int, int>> strips_;
};

// The same strips compiled once into OpenGL display lists (GL_COMPILE), split into
// `lists` lists of about equal numbers of strips, and only called on every frame: what a
// frame costs when the solid's geometry is retained by OpenGL. The build measures its own
// time and the growth of the process's resident memory, which is what the lists hold.
class ListReference {
  public:
    ListReference() = default;
    ~ListReference();
    ListReference(const ListReference&) = delete;
    ListReference& operator=(const ListReference&) = delete;

    void build(const StreamReference& stream, int lists);
    void draw() const;
    double compileSeconds() const { return compile_seconds_; }
    long heldBytes() const { return held_bytes_; }

  private:
    unsigned first_ = 0;
    int count_ = 0;
    double compile_seconds_ = 0.0;
    long held_bytes_ = 0;
};

}  // namespace tv::bench
