#include "profile/profile_model.h"

#include <algorithm>
#include <cmath>

namespace tv {

namespace {

// Area coordinates (u, v), both 0..2, of a profile point under the given axis.
void areaCoordinates(TProfilePoint p, Axis axis, double& u, double& v) {
    if (axis == Axis::Y) {
        u = p.x;
        v = p.y + 1.0;
    } else {
        u = p.x + 1.0;
        v = p.y;
    }
}

// Rounds half to even and limits to lo..hi; a value that is not a number goes to `lo`.
int32_t roundLimited(double value, int32_t lo, int32_t hi) {
    const double r = std::nearbyint(value);
    if (!(r >= lo)) {
        return lo;
    }
    if (r > hi) {
        return hi;
    }
    return static_cast<int32_t>(r);
}

}  // namespace

TProfilePoint ProfileModel::pixelToProfile(PixelPos pixel, int surface_height, Axis axis) const {
    const double scale = static_cast<double>(canvas_size) - 6.0;
    const double u = 2.0 * (pixel.x - 3) / scale;
    const double v = 2.0 * (surface_height - 4 - pixel.y) / scale;
    return axis == Axis::Y ? TProfilePoint{u, v - 1.0} : TProfilePoint{u - 1.0, v};
}

PixelPos ProfileModel::profileToPixel(TProfilePoint point, int surface_height, Axis axis) const {
    double u = 0.0;
    double v = 0.0;
    areaCoordinates(point, axis, u, v);
    const int s = canvas_size;
    const double half_scale = (s - 6) / 2.0;
    // Rounded before the offsets are added, so that halves go to the even distance.
    const int32_t right = roundLimited(u * half_scale, 0, std::max(0, s - 7));
    const int32_t up = roundLimited(v * half_scale, 0, std::max(0, s - 4));
    return PixelPos{3 + right, surface_height - 4 - up};
}

bool ProfileModel::append(PixelPos pixel, int surface_height, Axis axis, bool flip) {
    if (full()) {
        return false;
    }
    ++point_count;
    const int last = point_count - 1;
    if (point_count > 1 && link(last - 1) == kLinkStart) {
        next_starts_stroke = false;
    }
    point_links[last] = next_starts_stroke ? kLinkStart : (flip ? kLinkFlipped : kLinkLeft);
    point_pixels[last] = pixel;
    points[last] = pixelToProfile(pixel, surface_height, axis);
    return true;
}

void ProfileModel::moveLast(PixelPos pixel, int surface_height, Axis axis) {
    if (empty()) {
        return;
    }
    const int last = point_count - 1;
    point_pixels[last] = pixel;
    points[last] = pixelToProfile(pixel, surface_height, axis);
}

bool ProfileModel::beginDrag(PixelPos pixel, int surface_height, Axis axis, bool flip) {
    if (full()) {
        return false;
    }
    if (empty()) {
        next_starts_stroke = true;
    }
    dragging = true;
    return append(pixel, surface_height, axis, flip);
}

bool ProfileModel::dragTo(PixelPos pixel, int surface_height, Axis axis) {
    if (!dragging || empty() || pixel == point_pixels[point_count - 1]) {
        return false;
    }
    moveLast(pixel, surface_height, axis);
    return true;
}

bool ProfileModel::endDrag(PixelPos pixel, int surface_height, Axis axis, bool separate_mode) {
    if (!dragging) {
        return false;
    }
    next_starts_stroke = separate_mode ? !next_starts_stroke : false;
    dragging = false;
    if (!empty()) {
        moveLast(pixel, surface_height, axis);
        const int last = point_count - 1;
        if (last > 0 && point_pixels[last] == point_pixels[last - 1]) {
            --point_count;
        }
    }
    return true;
}

void ProfileModel::updateNextStartsStroke(bool separate_mode) {
    next_starts_stroke = link(point_count - 1) == kLinkStart || (separate_mode && point_count > 1);
}

void ProfileModel::removeLast(bool separate_mode) {
    if (empty()) {
        return;
    }
    --point_count;
    if (!empty()) {
        updateNextStartsStroke(separate_mode);
    }
}

void ProfileModel::startNewStroke() {
    if (empty()) {
        return;
    }
    if (link(point_count - 1) == kLinkStart) {
        --point_count;
    }
    next_starts_stroke = true;
}

bool ProfileModel::denserGrid() {
    if (grid_step <= 5) {
        return false;
    }
    grid_step /= 2;
    return true;
}

bool ProfileModel::sparserGrid() {
    if (grid_step >= 40) {
        return false;
    }
    grid_step *= 2;
    return true;
}

void ProfileModel::convertAxis(Axis to) {
    const double dx = to == Axis::X ? -1.0 : 1.0;
    for (int i = 0; i < point_count; ++i) {
        points[i].x += dx;
        points[i].y -= dx;
    }
}

void ProfileModel::relayout(SurfaceSize size, Axis axis) {
    canvas_size = static_cast<uint16_t>(std::clamp(size.side(), 0, 0xFFFF));
    for (int i = 0; i < point_count; ++i) {
        point_pixels[i] = profileToPixel(points[i], size.height, axis);
    }
}

void ProfileModel::replace(int count, const int8_t* links, const TProfilePoint* coords,
                           bool separate_mode) {
    point_count = static_cast<uint16_t>(std::clamp(count, 0, kMaxPoints));
    std::copy_n(links, point_count, point_links.begin());
    std::copy_n(coords, point_count, points.begin());
    if (empty()) {
        next_starts_stroke = true;
    } else {
        updateNextStartsStroke(separate_mode);
    }
}

}  // namespace tv
