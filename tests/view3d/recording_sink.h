// A surface sink that keeps every primitive with its normals, vertices and colours.
#pragma once

#include <string>
#include <vector>

#include "view3d/gl_layer.h"

namespace tv::test {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct Primitive {
    enum class Kind { Normal, Vertex, Color };
    struct Item {
        Kind kind;
        Vec3 v;
    };

    GlEnum mode = 0;
    std::vector<Item> items;

    std::vector<Vec3> of(Kind kind) const {
        std::vector<Vec3> out;
        for (const Item& item : items) {
            if (item.kind == kind) {
                out.push_back(item.v);
            }
        }
        return out;
    }
    std::vector<Vec3> vertices() const { return of(Kind::Vertex); }
    std::vector<Vec3> normals() const { return of(Kind::Normal); }
    // The order of the calls: N, V and C for normal, vertex and colour.
    std::string pattern() const {
        std::string out;
        for (const Item& item : items) {
            out += item.kind == Kind::Normal ? 'N' : item.kind == Kind::Vertex ? 'V' : 'C';
        }
        return out;
    }
};

class RecordingSink {
  public:
    std::vector<Primitive> primitives;
    bool open = false;
    int misplaced_calls = 0;  // calls outside begin/end, or begin inside begin

    void begin(GlEnum mode) {
        misplaced_calls += open;
        open = true;
        primitives.push_back({mode, {}});
    }
    void end() {
        misplaced_calls += !open;
        open = false;
    }
    void normal(double x, double y, double z) { add(Primitive::Kind::Normal, x, y, z); }
    void vertex(double x, double y, double z) { add(Primitive::Kind::Vertex, x, y, z); }
    void color(float r, float g, float b) { add(Primitive::Kind::Color, r, g, b); }

    int vertexCount() const {
        int count = 0;
        for (const Primitive& p : primitives) {
            count += static_cast<int>(p.vertices().size());
        }
        return count;
    }

  private:
    void add(Primitive::Kind kind, double x, double y, double z) {
        if (!open) {
            ++misplaced_calls;
            return;
        }
        primitives.back().items.push_back({kind, {x, y, z}});
    }
};

}  // namespace tv::test
