// The solid's drawing kept in OpenGL display lists from frame to frame. Between two frames
// of a turning object its geometry does not change, so a frame calls the lists compiled
// before and sends no vertex. Each drawing (the object, the normal lines) is split into
// kListParts lists of consecutive primitives; after a change one part is compiled per
// frame, in order, and the parts not yet compiled are drawn in immediate mode, so that the
// first frame after a change costs hardly more than an immediate frame. The lists hold
// only primitives (begin, normals, vertices, colours, end); every other piece of state is
// set by the render pass around them.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "profile/profile_model.h"
#include "view3d/gl_layer.h"
#include "view3d/surface_frame.h"

namespace tv {

inline constexpr int kListParts = 32;

// What the vertices and normals of every drawing are made from: the profile, the axis, the
// zoom factor and the number of steps. Compared bit for bit, so a value that is not a
// number still matches itself.
class SurfaceKey {
  public:
    bool matches(const ProfileModel& profile, Axis axis, double zoom, int segments) const {
        const int count = profile.pointCount();
        if (axis != axis_ || std::bit_cast<uint64_t>(zoom) != zoom_bits_ ||
            std::clamp(segments, 0, kMaxSegments) != segments_ || count != point_count_) {
            return false;
        }
        for (int k = 0; k < count; ++k) {
            if (profile.link(k) != links_[k]) {
                return false;
            }
        }
        return std::memcmp(points_.data(), profile.points.data(),
                           sizeof(TProfilePoint) * static_cast<size_t>(count)) == 0;
    }

    void take(const ProfileModel& profile, Axis axis, double zoom, int segments) {
        axis_ = axis;
        zoom_bits_ = std::bit_cast<uint64_t>(zoom);
        segments_ = std::clamp(segments, 0, kMaxSegments);
        point_count_ = profile.pointCount();
        for (int k = 0; k < point_count_; ++k) {
            points_[k] = profile.points[k];
            links_[k] = profile.link(k);
        }
    }

  private:
    Axis axis_ = Axis::Y;
    uint64_t zoom_bits_ = 0;
    int segments_ = -1;  // never a prepared value: the first frame does not match
    int point_count_ = 0;
    std::array<TProfilePoint, kMaxPoints> points_{};
    std::array<int8_t, kMaxPoints> links_{};
};

// The lists of one drawing and how many of its parts hold the current geometry.
class RetainedDrawing {
  public:
    // What the drawing is, beyond the geometry: the kind of object, or the normal lines.
    int kind() const { return kind_; }
    bool complete() const { return first_ != 0 && compiled_ == kListParts; }

    // The geometry or the kind changed: every part is compiled again, in the same lists.
    void invalidate(int kind) {
        kind_ = kind;
        compiled_ = 0;
    }

    template <GlListLayer Gl>
    void callAll(Gl& gl) const {
        for (int part = 0; part < kListParts; ++part) {
            gl.callList(first_ + static_cast<uint32_t>(part));
        }
    }

    // Draws with `send_primitives(sink)`, which sends the drawing's primitives to a surface sink,
    // at most `primitives` of them: the compiled parts by their lists, the next part compiled and
    // then called, the rest in immediate mode.
    template <GlListLayer Gl, class EmitFn>
    void drawAndCompile(Gl& gl, int primitives, EmitFn&& send_primitives) {
        if (first_ == 0) {
            first_ = gl.genLists(kListParts);
            compiled_ = 0;
            if (first_ == 0) {
                PartSink<Gl> immediate(gl, *this, 1);
                immediate.immediate_only = true;
                send_primitives(immediate);
                return;
            }
        }
        PartSink<Gl> sink(gl, *this, std::max(1, (primitives + kListParts - 1) / kListParts));
        send_primitives(sink);
        sink.finish();
    }

    // Gives the lists back to OpenGL (its context current).
    template <GlListLayer Gl>
    void release(Gl& gl) {
        if (first_ != 0) {
            gl.deleteLists(first_, kListParts);
        }
        forget();
    }

    // The context that held the lists is gone, and they with it.
    void forget() {
        first_ = 0;
        compiled_ = 0;
    }

  private:
    // Routes each primitive by its number to its part: called, compiled or immediate.
    template <GlListLayer Gl>
    class PartSink {
      public:
        PartSink(Gl& gl, RetainedDrawing& drawing, int per_part)
            : gl_(gl), drawing_(drawing), per_part_(per_part) {}

        bool immediate_only = false;

        void begin(GlEnum mode) {
            if (!immediate_only) {
                enterPart(std::min(primitive_ / per_part_, kListParts - 1));
                ++primitive_;
            }
            if (!skipping_) {
                gl_.begin(mode);
            }
        }
        void end() {
            if (!skipping_) {
                gl_.end();
            }
        }
        void normal(double x, double y, double z) {
            if (!skipping_) {
                gl_.normal3d(x, y, z);
            }
        }
        void vertex(double x, double y, double z) {
            if (!skipping_) {
                gl_.vertex3d(x, y, z);
            }
        }
        void color(float r, float g, float b) {
            if (!skipping_) {
                gl_.color3f(r, g, b);
            }
        }

        // After the last primitive: closes the part being compiled; parts that no
        // primitive reached are empty and compiled as such.
        void finish() { enterPart(kListParts); }

      private:
        void enterPart(int part) {
            while (part_ < part) {
                if (compiling_) {
                    gl_.endList();
                    gl_.callList(drawing_.first_ + static_cast<uint32_t>(part_));
                    ++drawing_.compiled_;
                    compiling_ = false;
                }
                ++part_;
                if (part_ >= kListParts) {
                    break;
                }
                if (part_ < drawing_.compiled_) {
                    gl_.callList(drawing_.first_ + static_cast<uint32_t>(part_));
                    skipping_ = true;
                } else if (part_ == drawing_.compiled_ && (part_ != part || !compiled_one_)) {
                    // One part with primitives a frame; an empty one passed over is free.
                    gl_.newList(drawing_.first_ + static_cast<uint32_t>(part_), gl::kCompile);
                    compiling_ = true;
                    compiled_one_ = compiled_one_ || part_ == part;
                    skipping_ = false;
                } else {
                    skipping_ = false;
                }
            }
        }

        Gl& gl_;
        RetainedDrawing& drawing_;
        int per_part_;
        int primitive_ = 0;
        int part_ = -1;
        bool skipping_ = false;
        bool compiling_ = false;
        bool compiled_one_ = false;  // a part with primitives was compiled in this frame
    };

    uint32_t first_ = 0;  // the first of kListParts lists; 0 before they exist
    int compiled_ = 0;    // parts [0, compiled_) hold the current drawing
    int kind_ = -1;
};

// The object's drawing and the normal lines of one GL context, with the geometry they hold.
struct RetainedSurface {
    SurfaceKey key;
    RetainedDrawing object;
    RetainedDrawing normal_lines;

    template <GlListLayer Gl>
    void release(Gl& gl) {
        object.release(gl);
        normal_lines.release(gl);
    }
    void forget() {
        object.forget();
        normal_lines.forget();
    }
};

}  // namespace tv
