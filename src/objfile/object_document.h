// The document as an object file holds it: the profile, the drawing switches of the
// profile editor and the scene settings, the latter partly as the positions of the tool
// windows' track bars. The codec reads and writes it; the editor builds it from its
// windows when saving and applies it through their controls when opening.
#pragma once

#include <array>
#include <cstdint>

#include "profile/profile_model.h"
#include "view3d/scene_controls.h"
#include "view3d/scene_state.h"

namespace tv {

// Display modes 0..3: wire frame, unlit solid, flat shading, smooth shading.
inline constexpr uint8_t kLastDisplayMode = 3;

// A display mode that selects no item of the display-mode list: the editor draws no
// object. It is also what a saved editor writes while the list has no selection.
inline constexpr uint8_t kNoDisplayMode = 0xFF;

// The settings of one light as a file stores them.
struct ObjectLight {
    bool on = false;
    std::array<float, 4> position{};  // x, y, z, w
    std::array<int32_t, 3> spot_steps = kDefaultSpotSteps;
    bool spotlight = false;  // the light's spot cut-off differs from 180
    int32_t spot_angle = kDefaultSpotAngle;
    bool indicated = false;
    bool rotated = false;

    friend bool operator==(const ObjectLight&, const ObjectLight&) = default;
};

// Light `light` (0..2) as the editor has it after start-up.
constexpr ObjectLight defaultLight(int light) {
    return ObjectLight{.on = defaultLightOn(light), .position = defaultLightPosition(light)};
}

// The profile: `count` points, of which only the first `count` entries are meaningful.
struct ObjectProfile {
    uint16_t count = 0;
    std::array<int8_t, kMaxPoints> links{};
    std::array<TProfilePoint, kMaxPoints> points{};
};

// Equal when the counts match and the first `count` links and points match exactly.
bool operator==(const ObjectProfile& a, const ObjectProfile& b);

// The default document, ObjectDocument{}, is the one a freshly started editor holds.
struct ObjectDocument {
    bool continuous = true;  // drawing mode: continuous polyline, else separate segments
    bool flip = false;       // new segments take a flipped normal
    bool axis_x = false;     // revolution about the X axis, else about the Y axis
    std::array<int32_t, kColorCount> colors = kDefaultColors;
    uint8_t display_mode = kDefaultDisplayMode;
    uint16_t segments = kDefaultSegments;

    // Track-bar positions of the zoom, move, rotate and material windows.
    int32_t zoom_position = kDefaultZoomPosition;
    std::array<int32_t, 3> move_positions = kDefaultMovePositions;
    Matrix4 rotation_matrix = kIdentityMatrix;
    std::array<int32_t, 3> rotate_positions = kDefaultRotatePositions;
    int32_t transparency_position = kDefaultTransparencyPosition;
    int32_t shininess_position = kDefaultShininessPosition;

    std::array<ObjectLight, kLightCount> lights{defaultLight(0), defaultLight(1), defaultLight(2)};
    bool show_axes = false;
    bool show_normals = false;

    ObjectProfile profile;

    friend bool operator==(const ObjectDocument&, const ObjectDocument&) = default;
};

}  // namespace tv
