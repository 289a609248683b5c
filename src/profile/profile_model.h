// The profile: the plane figure that is turned into the solid. Fixed-size arrays of
// points, their pixel positions on the drawing surface and their link marks, with
// the few operations the editor, the canvas and the file loader use.
#pragma once

#include <array>
#include <cstdint>

namespace tv {

inline constexpr int kMaxPoints = 4096;

// A point in profile units: the drawing area is a square two units wide.
struct TProfilePoint {
    double x = 0.0;
    double y = 0.0;
};

// A pixel of the drawing surface, origin top-left, y growing downwards.
struct PixelPos {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(PixelPos, PixelPos) = default;
};

// The axis of revolution: the left edge (Y) or the bottom edge (X) of the drawing area.
enum class Axis { Y, X };

// Link marks: a point begins a stroke, or is joined to the point before it with the
// segment's normal on the left (+1) or, flipped, on the right (-1) of the drawing direction.
inline constexpr int8_t kLinkStart = 0;
inline constexpr int8_t kLinkLeft = 1;
inline constexpr int8_t kLinkFlipped = -1;

// Size of the drawing surface: W x H pixels, S = min(W, H) is the side of the square area.
struct SurfaceSize {
    int width = 0;
    int height = 0;
    int side() const { return width < height ? width : height; }
};

// Points are indexed from 0 here; point number i of the user's view is index i - 1.
// Entries from pointCount() on are stale and never read. The counters and the editing
// state change only through the operations below, which keep them within their rules.
class ProfileModel {
  public:
    std::array<TProfilePoint, kMaxPoints> points{};
    std::array<PixelPos, kMaxPoints> point_pixels{};
    // The link marks as written; a file may have stored any mark for the first point,
    // so they are read only through link().
    std::array<int8_t, kMaxPoints> point_links{};

    int pointCount() const { return point_count; }
    int canvasSize() const { return canvas_size; }
    int gridStep() const { return grid_step; }  // 5, 10, 20 or 40
    bool isDragging() const { return dragging; }
    bool nextStartsStroke() const { return next_starts_stroke; }

    bool full() const { return point_count >= kMaxPoints; }
    bool empty() const { return point_count == 0; }

    // The link of point `index` as every reader of the model sees it: the first
    // point never has a segment before it, whatever a file stored for it.
    int8_t link(int index) const { return index == 0 ? kLinkStart : point_links[index]; }

    // Clear: no points. Nothing else changes.
    void clear() { point_count = 0; }

    // Appends a point at `pixel` (already limited and snapped). Returns false when full.
    bool append(PixelPos pixel, int surface_height, Axis axis, bool flip);

    // Moves the last point to `pixel`; its link is kept.
    void moveLast(PixelPos pixel, int surface_height, Axis axis);

    // A press of the left button: appends a point at `pixel` that follows the mouse until
    // the release. On an empty profile the point begins a stroke. False when full.
    bool beginDrag(PixelPos pixel, int surface_height, Axis axis, bool flip);

    // The mouse moved while a point is dragged: the last point goes to `pixel`. False when
    // nothing is dragged or the point is already there.
    bool dragTo(PixelPos pixel, int surface_height, Axis axis);

    // The release: the dragged point settles at `pixel`, and is dropped when that is the
    // pixel of the point before it. Separate mode alternates between a stroke's first and
    // second point; continuous mode joins the next point. False when nothing was dragged.
    bool endDrag(PixelPos pixel, int surface_height, Axis axis, bool separate_mode);

    // Removes the last point and recomputes next_starts_stroke for the new end.
    void removeLast(bool separate_mode);

    // Drops a trailing lone point and makes the next point begin a new stroke.
    void startNewStroke();

    // Halves or doubles the grid spacing within 5..40; false when it is at that end.
    bool denserGrid();
    bool sparserGrid();

    // Re-reads the figure against the other axis; pixel positions stay as they are.
    void convertAxis(Axis to);

    // Recomputes canvas_size and every pixel position for a surface of `size`.
    void relayout(SurfaceSize size, Axis axis);

    // Replaces the whole profile (file load). `count` is limited to kMaxPoints.
    void replace(int count, const int8_t* links, const TProfilePoint* coords, bool separate_mode);

    // The pixel <-> profile mappings under the current canvas_size.
    TProfilePoint pixelToProfile(PixelPos pixel, int surface_height, Axis axis) const;
    PixelPos profileToPixel(TProfilePoint point, int surface_height, Axis axis) const;

  private:
    void updateNextStartsStroke(bool separate_mode);

    uint16_t point_count = 0;
    uint16_t canvas_size = 0;
    uint8_t grid_step = 10;
    bool dragging = false;
    bool next_starts_stroke = true;
};

}  // namespace tv
