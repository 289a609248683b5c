#include "objfile/edit_snapshot.h"

namespace tv {

namespace {

template <class T>
void takeChanged(T& field, const T& from, const T& to) {
    if (!(from == to)) {
        field = to;
    }
}

}  // namespace

ObjectDocument replayStep(const ObjectDocument& current, const ObjectDocument& from,
                          const ObjectDocument& to) {
    ObjectDocument result = current;
    takeChanged(result.continuous, from.continuous, to.continuous);
    takeChanged(result.flip, from.flip, to.flip);
    takeChanged(result.axis_x, from.axis_x, to.axis_x);
    takeChanged(result.colors, from.colors, to.colors);
    takeChanged(result.display_mode, from.display_mode, to.display_mode);
    takeChanged(result.segments, from.segments, to.segments);
    takeChanged(result.zoom_position, from.zoom_position, to.zoom_position);
    takeChanged(result.move_positions, from.move_positions, to.move_positions);
    takeChanged(result.rotate_positions, from.rotate_positions, to.rotate_positions);
    takeChanged(result.transparency_position, from.transparency_position, to.transparency_position);
    takeChanged(result.shininess_position, from.shininess_position, to.shininess_position);
    takeChanged(result.lights, from.lights, to.lights);
    takeChanged(result.show_axes, from.show_axes, to.show_axes);
    takeChanged(result.show_normals, from.show_normals, to.show_normals);
    takeChanged(result.profile, from.profile, to.profile);
    return result;
}

bool changesDocument(const ObjectDocument& from, const ObjectDocument& to) {
    return !(replayStep(from, from, to) == from);
}

}  // namespace tv
