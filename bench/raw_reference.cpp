#include "raw_reference.h"

#include <GL/gl.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "view3d/surface_builder.h"

namespace tv::bench {

namespace {

// Keeps the strips' normals and vertices, six doubles a vertex, and each strip's length.
class StreamSink {
  public:
    StreamSink(std::vector<double>& values, std::vector<int>& strip_lengths)
        : values_(values), strip_lengths_(strip_lengths) {}

    void begin(GlEnum) { strip_lengths_.push_back(0); }
    void end() {}
    void normal(double x, double y, double z) { values_.insert(values_.end(), {x, y, z}); }
    void vertex(double x, double y, double z) {
        values_.insert(values_.end(), {x, y, z});
        ++strip_lengths_.back();
    }
    void color(float, float, float) {}

  private:
    std::vector<double>& values_;
    std::vector<int>& strip_lengths_;
};

}  // namespace

long residentBytes() {
    long pages = 0;
    long resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return 0;
    }
    const bool read = std::fscanf(statm, "%ld %ld", &pages, &resident) == 2;
    std::fclose(statm);
    return read ? resident * sysconf(_SC_PAGESIZE) : 0;
}

void StreamReference::build(const SurfaceFrame& frame) {
    values_.clear();
    strip_lengths_.clear();
    StreamSink sink(values_, strip_lengths_);
    emitStrips(frame, sink, true);
    values_.shrink_to_fit();
}

void StreamReference::draw() const {
    const double* v = values_.data();
    for (int length : strip_lengths_) {
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i < length; ++i, v += 6) {
            glNormal3d(v[0], v[1], v[2]);
            glVertex3d(v[3], v[4], v[5]);
        }
        glEnd();
    }
}

size_t StreamReference::bytes() const {
    return values_.size() * sizeof(double) + strip_lengths_.size() * sizeof(int);
}

void EdgeReference::build(const StreamReference& stream) {
    edges_.clear();
    strips_.clear();
    const std::vector<int>& lengths = stream.stripLengths();
    if (lengths.empty()) {
        return;
    }
    // Every strip of one frame has the same length: two edges of segments + 1 vertices.
    edge_vertices_ = lengths.front() / 2;
    edge_values_ = 6 * edge_vertices_;
    // One stroke shares all inner edges: one more edge than strips.
    edges_.reserve((lengths.size() + 1) * edge_values_);
    const double* strip = stream.values().data();
    for (size_t s = 0; s < lengths.size(); ++s, strip += 12 * edge_vertices_) {
        int first = static_cast<int>(edges_.size()) / edge_values_ - 1;
        for (int part = 0; part < 2; ++part) {
            const size_t start = edges_.size();
            edges_.resize(start + edge_values_);
            for (int o = 0; o < edge_vertices_; ++o) {
                std::copy_n(strip + 12 * o + 6 * part, 6, edges_.data() + start + 6 * o);
            }
            const bool same_as_last =
                part == 0 && first >= 0 &&
                std::memcmp(edges_.data() + start, edge(first), edge_values_ * sizeof(double)) == 0;
            if (same_as_last) {
                edges_.resize(start);
            } else if (part == 0) {
                first = static_cast<int>(start) / edge_values_;
            }
        }
        strips_.emplace_back(first, static_cast<int>(edges_.size()) / edge_values_ - 1);
    }
    edges_.shrink_to_fit();
}

void EdgeReference::draw() const {
    for (const auto& [first, second] : strips_) {
        const double* a = edge(first);
        const double* b = edge(second);
        glBegin(GL_QUAD_STRIP);
        for (int o = 0; o < edge_vertices_; ++o, a += 6, b += 6) {
            glNormal3d(a[0], a[1], a[2]);
            glVertex3d(a[3], a[4], a[5]);
            glNormal3d(b[0], b[1], b[2]);
            glVertex3d(b[3], b[4], b[5]);
        }
        glEnd();
    }
}

size_t EdgeReference::bytes() const {
    return edges_.size() * sizeof(double) + strips_.size() * sizeof(strips_.front());
}

ListReference::~ListReference() {
    if (count_ > 0) {
        glDeleteLists(first_, count_);
    }
}

void ListReference::build(const StreamReference& stream, int lists) {
    const std::vector<int>& lengths = stream.stripLengths();
    glFinish();
    const long before = residentBytes();
    const auto start = std::chrono::steady_clock::now();
    count_ = std::max(lists, 1);
    first_ = glGenLists(count_);
    const double* v = stream.values().data();
    const size_t strips = lengths.size();
    size_t strip = 0;
    for (int list = 0; list < count_; ++list) {
        const size_t end = strips * static_cast<size_t>(list + 1) / static_cast<size_t>(count_);
        glNewList(first_ + static_cast<unsigned>(list), GL_COMPILE);
        for (; strip < end; ++strip) {
            glBegin(GL_QUAD_STRIP);
            for (int i = 0; i < lengths[strip]; ++i, v += 6) {
                glNormal3d(v[0], v[1], v[2]);
                glVertex3d(v[3], v[4], v[5]);
            }
            glEnd();
        }
        glEndList();
    }
    glFinish();
    compile_seconds_ =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    held_bytes_ = residentBytes() - before;
}

void ListReference::draw() const {
    for (int list = 0; list < count_; ++list) {
        glCallList(first_ + static_cast<unsigned>(list));
    }
}

}  // namespace tv::bench
