// For the tests: readers of the mesh files the export writes, and the checks of a closed
// solid that ADMesh's exact mode makes on an STL file: vertices matched by their exact
// coordinates, every edge shared by two facets that run it in opposite directions, the
// parts the facets make and the volume they enclose.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <numbers>
#include <numeric>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "view3d/mesh_vector.h"

namespace tv::test {

using FloatPoint = std::array<float, 3>;
using FloatTriangle = std::array<FloatPoint, 3>;

inline Vec3 toVec3(const FloatPoint& p) {
    return {p[0], p[1], p[2]};
}

struct StlFile {
    bool well_formed = false;  // a binary header, a count and whole 50-byte records
    bool text_header = false;  // begins with "solid", as a text STL does
    uint32_t stored_count = 0;
    std::vector<FloatPoint> normals;
    std::vector<FloatTriangle> triangles;
};

inline StlFile readStl(const std::vector<uint8_t>& bytes) {
    StlFile stl;
    if (bytes.size() < 84 || (bytes.size() - 84) % 50 != 0) {
        return stl;
    }
    stl.well_formed = true;
    stl.text_header = std::string(bytes.begin(), bytes.begin() + 5) == "solid";
    std::memcpy(&stl.stored_count, bytes.data() + 80, 4);
    for (size_t at = 84; at < bytes.size(); at += 50) {
        FloatPoint v[4];
        std::memcpy(v, bytes.data() + at, sizeof v);
        stl.normals.push_back(v[0]);
        stl.triangles.push_back({v[1], v[2], v[3]});
    }
    return stl;
}

struct SolidCheck {
    size_t degenerate_facets = 0;  // two corners at the same point
    size_t open_edges = 0;         // edges not shared by exactly two facets
    size_t backwards_edges = 0;    // edges shared by two facets that run them the same way
    size_t parts = 0;              // sets of facets joined through shared edges
    double volume = 0.0;           // enclosed, positive when the facets face outward
    bool negative_zero = false;    // a coordinate of -0
    float lowest_z = INFINITY;
};

// Vertices are one when their coordinates are equal bit for bit.
inline SolidCheck checkSolid(const std::vector<FloatTriangle>& triangles) {
    SolidCheck check;
    std::map<FloatPoint, uint32_t> ids;
    std::map<std::pair<uint32_t, uint32_t>, std::vector<std::pair<size_t, bool>>> edges;
    for (size_t t = 0; t < triangles.size(); ++t) {
        uint32_t v[3];
        for (int c = 0; c < 3; ++c) {
            const FloatPoint& p = triangles[t][c];
            for (const float coordinate : p) {
                check.negative_zero |= coordinate == 0.0f && std::signbit(coordinate);
            }
            check.lowest_z = std::min(check.lowest_z, p[2]);
            v[c] = ids.try_emplace(p, static_cast<uint32_t>(ids.size())).first->second;
        }
        if (v[0] == v[1] || v[1] == v[2] || v[2] == v[0]) {
            ++check.degenerate_facets;
        }
        for (int c = 0; c < 3; ++c) {
            const uint32_t from = v[c];
            const uint32_t to = v[(c + 1) % 3];
            edges[{std::min(from, to), std::max(from, to)}].push_back({t, from < to});
        }
        const Vec3 a = toVec3(triangles[t][0]);
        check.volume += dot(a, cross(toVec3(triangles[t][1]), toVec3(triangles[t][2]))) / 6.0;
    }
    std::vector<size_t> part(triangles.size());
    std::iota(part.begin(), part.end(), size_t{0});
    const auto root = [&](size_t t) {
        while (part[t] != t) {
            t = part[t] = part[part[t]];
        }
        return t;
    };
    for (const auto& [edge, uses] : edges) {
        if (uses.size() != 2) {
            ++check.open_edges;
            continue;
        }
        if (uses[0].second == uses[1].second) {
            ++check.backwards_edges;
        }
        part[root(uses[0].first)] = root(uses[1].first);
    }
    for (size_t t = 0; t < triangles.size(); ++t) {
        check.parts += root(t) == t ? 1 : 0;
    }
    return check;
}

// A profile point as (distance from the axis, position along it).
struct RadialPoint {
    double r;
    double h;
};

// The exact volume of a closed loop turned in `steps` flat steps: the sum of the frustums
// of regular polygons its edges sweep.
inline double facetedVolume(const std::vector<RadialPoint>& loop, int steps, double scale) {
    double sum = 0.0;
    for (size_t i = 0; i < loop.size(); ++i) {
        const RadialPoint& p0 = loop[i];
        const RadialPoint& p1 = loop[(i + 1) % loop.size()];
        sum += (p1.h - p0.h) * (p0.r * p0.r + p0.r * p1.r + p1.r * p1.r) / 3.0;
    }
    const double polygon = steps / 2.0 * std::sin(2.0 * std::numbers::pi / steps);
    return std::abs(sum) * polygon * scale * scale * scale;
}

struct ObjFile {
    struct Shell {
        std::string name;
        std::vector<std::array<uint64_t, 6>> faces;  // v//vn of three corners, from 1
    };
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    std::vector<Shell> shells;
};

inline ObjFile readObj(const std::string& path) {
    ObjFile obj;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string tag;
        words >> tag;
        if (tag == "v" || tag == "vn") {
            Vec3 v;
            words >> v.x >> v.y >> v.z;
            (tag == "v" ? obj.vertices : obj.normals).push_back(v);
        } else if (tag == "o") {
            obj.shells.emplace_back();
            words >> obj.shells.back().name;
        } else if (tag == "f" && !obj.shells.empty()) {
            std::array<uint64_t, 6> f{};
            char slash = 0;
            for (int c = 0; c < 3; ++c) {
                words >> f[2 * c] >> slash >> slash >> f[2 * c + 1];
            }
            obj.shells.back().faces.push_back(f);
        }
    }
    return obj;
}

// How many pieces the faces make when faces that share a vertex index are joined.
inline size_t connectedPieces(const std::vector<std::array<uint64_t, 6>>& faces) {
    std::map<uint64_t, uint64_t> parent;
    const auto root = [&](uint64_t v) {
        parent.try_emplace(v, v);
        while (parent[v] != v) {
            v = parent[v] = parent[parent[v]];
        }
        return v;
    };
    for (const auto& f : faces) {
        parent[root(f[0])] = root(f[2]);
        parent[root(f[2])] = root(f[4]);
    }
    size_t pieces = 0;
    for (const auto& [v, p] : parent) {
        pieces += v == p ? 1 : 0;
    }
    return pieces;
}

}  // namespace tv::test
