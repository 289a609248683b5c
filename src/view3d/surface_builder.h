// The surface of revolution: three emitters that turn a prepared SurfaceFrame into
// primitives, the quad strips of the solid (with or without normals), the rings and
// meridians of the wire frame, and the short lines of the normals display. They write to a
// sink given as a template parameter (OpenGL, a recorder, a null sink), so every vertex is
// a direct, inlinable call. Only finite normals and vertices ever reach the sink: a point
// that is not finite draws no ring, meridian, strip or normal line, and a segment whose
// points coincide has no normal, so it draws no strip and no normal lines (its wire-frame
// meridians are drawn, as points).
#pragma once

#include <concepts>

#include "view3d/gl_layer.h"
#include "view3d/surface_frame.h"

namespace tv {

template <class Sink>
concept SurfaceSink = requires(Sink& sink, GlEnum mode, double d, float f) {
    sink.begin(mode);
    sink.end();
    sink.normal(d, d, d);
    sink.vertex(d, d, d);
    sink.color(f, f, f);
};

// The colours of the two ends of every normal line.
struct LineEndColors {
    float first[3];
    float second[3];
};

namespace surface_detail {

// A profile-plane vector (a scaled point or a normal) turned to the meridian with cosine c
// and sine s: about Y, x is the radius; about X, y is.
template <Axis A>
struct Turned {
    double x, y, z;
    Turned(const TProfilePoint& p, double c, double s)
        : x(A == Axis::Y ? p.x * c : p.x),
          y(A == Axis::Y ? p.y : p.y * c),
          z(A == Axis::Y ? p.x * s : p.y * s) {}
};

// Calls fn(k, n_prev, n_k) for every segment that is drawn, in increasing k. n_prev is
// the normal carried along the stroke: the normal of the segment drawn last in this stroke,
// or the segment's own normal at a stroke's first drawn segment. A zero-length segment is
// passed over without breaking the stroke; a broken one restarts it.
template <class Fn>
void forEachDrawnSegment(const SurfaceFrame& frame, Fn&& fn) {
    bool carried = false;
    TProfilePoint n_prev;
    for (int k = 1; k < frame.point_count; ++k) {
        if (frame.segment_kind[k - 1] == SegmentKind::kNone) {
            carried = false;
        }
        switch (frame.segment_kind[k]) {
            case SegmentKind::kNone:
            case SegmentKind::kZeroLength:
                continue;
            case SegmentKind::kBroken:
                carried = false;
                continue;
            case SegmentKind::kRegular:
                break;
        }
        const TProfilePoint& n_k = frame.segment_normal[k];
        if (!carried) {
            n_prev = n_k;
        }
        fn(k, n_prev, n_k);
        n_prev = n_k;
        carried = true;
    }
}

template <Axis A, bool WithNormals, SurfaceSink Sink>
void emitStripsAbout(const SurfaceFrame& frame, Sink& sink) {
    forEachDrawnSegment(frame, [&](int k, TProfilePoint n_prev, TProfilePoint n_k) {
        const TProfilePoint& p0 = frame.scaled_points[k - 1];
        const TProfilePoint& p1 = frame.scaled_points[k];
        sink.begin(gl::kQuadStrip);
        for (int o = 0; o <= frame.segments; ++o) {
            const double c = frame.meridian_cos[o];
            const double s = frame.meridian_sin[o];
            if constexpr (WithNormals) {
                const Turned<A> n(n_prev, c, s);
                sink.normal(n.x, n.y, n.z);
            }
            const Turned<A> v0(p0, c, s);
            sink.vertex(v0.x, v0.y, v0.z);
            if constexpr (WithNormals) {
                const Turned<A> n(n_k, c, s);
                sink.normal(n.x, n.y, n.z);
            }
            const Turned<A> v1(p1, c, s);
            sink.vertex(v1.x, v1.y, v1.z);
        }
        sink.end();
    });
}

template <Axis A, SurfaceSink Sink>
void emitWireFrameAbout(const SurfaceFrame& frame, Sink& sink) {
    const int last = frame.point_count - 1;
    for (int k = 0; k <= last; ++k) {
        if (!frame.point_finite[k]) {
            continue;
        }
        const TProfilePoint& p = frame.scaled_points[k];
        // A lone point at the end of the profile is still being drawn: its ring is empty.
        const bool lone_end = k == last && frame.segment_kind[k] == SegmentKind::kNone;
        sink.begin(gl::kLineStrip);
        if (!lone_end) {
            for (int o = 0; o <= frame.segments; ++o) {
                const Turned<A> v(p, frame.meridian_cos[o], frame.meridian_sin[o]);
                sink.vertex(v.x, v.y, v.z);
            }
        }
        sink.end();

        if (frame.segment_kind[k] == SegmentKind::kNone || !frame.point_finite[k - 1]) {
            continue;
        }
        // Meridian 0 is drawn as meridian `segments`.
        const TProfilePoint& p0 = frame.scaled_points[k - 1];
        sink.begin(gl::kLines);
        for (int o = 1; o <= frame.segments; ++o) {
            const double c = frame.meridian_cos[o];
            const double s = frame.meridian_sin[o];
            const Turned<A> v0(p0, c, s);
            const Turned<A> v1(p, c, s);
            sink.vertex(v0.x, v0.y, v0.z);
            sink.vertex(v1.x, v1.y, v1.z);
        }
        sink.end();
    }
}

template <Axis A, SurfaceSink Sink>
void emitNormalLine(Sink& sink, const LineEndColors& colors, const TProfilePoint& point,
                    const TProfilePoint& normal, double c, double s) {
    const Turned<A> v(point, c, s);
    const Turned<A> n(normal, c, s);
    sink.color(colors.first[0], colors.first[1], colors.first[2]);
    sink.vertex(v.x, v.y, v.z);
    sink.color(colors.second[0], colors.second[1], colors.second[2]);
    sink.vertex(v.x + n.x, v.y + n.y, v.z + n.z);
}

template <Axis A, SurfaceSink Sink>
void emitNormalLinesAbout(const SurfaceFrame& frame, Sink& sink, const LineEndColors& colors) {
    forEachDrawnSegment(frame, [&](int k, TProfilePoint n_prev, TProfilePoint n_k) {
        const TProfilePoint& p0 = frame.scaled_points[k - 1];
        const TProfilePoint& p1 = frame.scaled_points[k];
        sink.begin(gl::kLines);
        for (int o = 0; o <= frame.segments; ++o) {
            const double c = frame.meridian_cos[o];
            const double s = frame.meridian_sin[o];
            emitNormalLine<A>(sink, colors, p0, n_prev, c, s);
            emitNormalLine<A>(sink, colors, p1, n_k, c, s);
        }
        sink.end();
    });
}

}  // namespace surface_detail

// One quad strip per drawn segment k, in increasing k: for each meridian o = 0..segments,
// the vertex of point k - 1, then that of point k, each preceded by its normal when
// `with_normals` (the carried normal at point k - 1, the segment's own at point k).
template <SurfaceSink Sink>
void emitStrips(const SurfaceFrame& frame, Sink& sink, bool with_normals) {
    using namespace surface_detail;
    if (frame.segments <= 0) {
        return;
    }
    if (frame.axis == Axis::Y) {
        with_normals ? emitStripsAbout<Axis::Y, true>(frame, sink)
                     : emitStripsAbout<Axis::Y, false>(frame, sink);
    } else {
        with_normals ? emitStripsAbout<Axis::X, true>(frame, sink)
                     : emitStripsAbout<Axis::X, false>(frame, sink);
    }
}

// For every point k in order: its ring (a line strip over meridians 0..segments), then, if
// a segment ends at k, the lines from point k - 1 to point k on meridians 1..segments.
template <SurfaceSink Sink>
void emitWireFrame(const SurfaceFrame& frame, Sink& sink) {
    using namespace surface_detail;
    if (frame.segments <= 0) {
        return;
    }
    if (frame.axis == Axis::Y) {
        emitWireFrameAbout<Axis::Y>(frame, sink);
    } else {
        emitWireFrameAbout<Axis::X>(frame, sink);
    }
}

// One batch of lines per drawn segment: on each meridian, a line one unit long along the
// normal from point k - 1 (carried normal) and one from point k (the segment's normal).
template <SurfaceSink Sink>
void emitNormalLines(const SurfaceFrame& frame, Sink& sink, const LineEndColors& colors) {
    using namespace surface_detail;
    if (frame.segments <= 0) {
        return;
    }
    if (frame.axis == Axis::Y) {
        emitNormalLinesAbout<Axis::Y>(frame, sink, colors);
    } else {
        emitNormalLinesAbout<Axis::X>(frame, sink, colors);
    }
}

// Sends a surface sink's calls to a GL layer.
template <GlLayer Gl>
class GlSink {
  public:
    explicit GlSink(Gl& gl) : gl_(gl) {}
    void begin(GlEnum mode) { gl_.begin(mode); }
    void end() { gl_.end(); }
    void normal(double x, double y, double z) { gl_.normal3d(x, y, z); }
    void vertex(double x, double y, double z) { gl_.vertex3d(x, y, z); }
    void color(float r, float g, float b) { gl_.color3f(r, g, b); }

  private:
    Gl& gl_;
};

}  // namespace tv
