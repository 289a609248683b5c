// The document as an object file holds it: the profile, the drawing switches of the
// profile editor and the scene settings, the latter partly as the positions of the tool
// windows' track bars. The codec reads and writes it; the editor builds it from its
// windows when saving and applies it through their controls when opening.
#pragma once

#include <array>
#include <cstdint>

#include "profile/profile_model.h"
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
    std::array<float, 4> position{0.0f, 0.1f, 1.0f, 0.0f};  // x, y, z, w
    std::array<int32_t, 3> spot_steps{0, 0, -10};
    bool spotlight = false;  // the light's spot cut-off differs from 180
    int32_t spot_angle = 45;
    bool indicated = false;
    bool rotated = false;

    friend bool operator==(const ObjectLight&, const ObjectLight&) = default;
};

// The profile: `count` points, of which only the first `count` entries are meaningful.
struct ObjectProfile {
    uint16_t count = 0;
    std::array<int8_t, kMaxPoints> links{};
    std::array<TProfilePoint, kMaxPoints> points{};
};

// Equal when the counts match and the first `count` links and points match exactly.
bool operator==(const ObjectProfile& a, const ObjectProfile& b);

// Default values are the editor's state after start-up.
struct ObjectDocument {
    bool continuous = true;  // drawing mode: continuous polyline, else separate segments
    bool flip = false;       // new segments take a flipped normal
    bool axis_x = false;     // revolution about the X axis, else about the Y axis
    std::array<int32_t, kColorCount> colors{0x000000, 0xFF8000, 0x505050, 0x000000, 0x808080,
                                            0xCCCCCC, 0x333333, 0xFFFFFF, 0,        0,
                                            0,        0,        0,        0};
    uint8_t display_mode = 0;
    uint16_t segments = 7;

    // Track-bar positions of the zoom, move, rotate and material windows.
    int32_t zoom_position = 100;
    std::array<int32_t, 3> move_positions{0, 0, -50};
    Matrix4 rotation_matrix = kIdentityMatrix;
    std::array<int32_t, 3> rotate_positions{0, 0, 0};
    int32_t transparency_position = 0;
    int32_t shininess_position = 5;

    std::array<ObjectLight, kLightCount> lights{
        ObjectLight{.on = true, .position = {-1.0f, 1.0f, 1.0f, 0.0f}}, ObjectLight{},
        ObjectLight{}};
    bool show_axes = false;
    bool show_normals = false;

    ObjectProfile profile;

    friend bool operator==(const ObjectDocument&, const ObjectDocument&) = default;
};

}  // namespace tv
