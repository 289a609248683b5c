// Writes the documents the export measurement compares: the largest object file (3834
// points of the wavy profile, 999 steps, smooth shading) and an OpenSCAD file that turns a
// comparable profile (a band of 3834 points along the same wave) in 999 steps, so that both
// make about 7.66 million triangles.
//
//     torvelle_bench_document largest.tvl largest.scad
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>

#include "bench_profile.h"
#include "bench_scene.h"
#include "objfile/object_encoder.h"

namespace {

constexpr int kSegments = 999;
// OpenSCAD merges vertices closer than its own grid: the band is drawn 100 times larger,
// so that it keeps all its points.
constexpr double kScadScale = 100.0;
constexpr double kBandWidth = 0.02;

bool writeObjectFile(const char* path) {
    auto profile = std::make_unique<tv::ProfileModel>();
    tv::bench::fillWavyProfile(*profile, tv::bench::kLargestDocumentPoints);
    auto document = std::make_unique<tv::ObjectDocument>();
    document->display_mode = 3;
    document->segments = kSegments;
    document->profile.count = static_cast<uint16_t>(profile->pointCount());
    for (int i = 0; i < profile->pointCount(); ++i) {
        document->profile.points[i] = profile->points[i];
        document->profile.links[i] = profile->point_links[i];
    }
    const tv::EncodeResult encoded = tv::encodeObjectFile(*document);
    if (encoded.status != tv::EncodeStatus::Ok) {
        return false;
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(encoded.image.data()),
              static_cast<std::streamsize>(encoded.image.size()));
    return static_cast<bool>(out);
}

// Half the points along the wave, half back along a copy of it kBandWidth nearer the axis.
bool writeScadFile(const char* path) {
    constexpr int kHalf = tv::bench::kLargestDocumentPoints / 2;
    auto wave = std::make_unique<tv::ProfileModel>();
    tv::bench::fillWavyProfile(*wave, kHalf);
    std::ofstream out(path);
    out << "// A band along the wave of the largest document, turned in " << kSegments
        << " steps.\n";
    out << "rotate_extrude($fn = " << kSegments << ") polygon(points = [\n";
    out.precision(17);
    for (int i = 0; i < 2 * kHalf; ++i) {
        const bool back = i >= kHalf;
        const tv::TProfilePoint& p = wave->points[back ? 2 * kHalf - 1 - i : i];
        out << "  [" << kScadScale * (back ? p.x - kBandWidth : p.x) << ", " << kScadScale * p.y
            << "],\n";
    }
    out << "]);\n";
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT.tvl OUT.scad\n", argv[0]);
        return 2;
    }
    if (!writeObjectFile(argv[1]) || !writeScadFile(argv[2])) {
        std::fprintf(stderr, "%s: could not write the documents\n", argv[0]);
        return 1;
    }
    return 0;
}
