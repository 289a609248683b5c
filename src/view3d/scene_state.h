// Everything apart from the profile that decides what the 3D view shows: the view
// transform, the colour table with the OpenGL colours derived from it, three lights
// and the material. Lights are indexed 0..2 here (light 1 of the user's view is 0).
#pragma once

#include <array>
#include <cstdint>

namespace tv {

using Rgba = std::array<float, 4>;
using Matrix4 = std::array<double, 16>;  // OpenGL column-major: [4 * column + row]

inline constexpr int kLightCount = 3;
inline constexpr int kColorCount = 14;
inline constexpr float kNoSpotCutoff = 180.0f;

// Indices into TSceneState::colors.
enum ColorIndex : int {
    kColorBackground = 0,
    kColorObject = 1,  // also the material's diffuse colour
    kColorMaterialAmbient = 2,
    kColorMaterialSpecular = 3,
    kColorGlobalAmbient = 4,
};
// Diffuse, ambient and specular colour of light `light` (0..2).
constexpr int lightDiffuseIndex(int light) {
    return 5 + 3 * light;
}
constexpr int lightAmbientIndex(int light) {
    return 6 + 3 * light;
}
constexpr int lightSpecularIndex(int light) {
    return 7 + 3 * light;
}

inline constexpr Matrix4 kIdentityMatrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// A colour value 0x00BBGGRR as OpenGL takes it: each byte / 255, with the given alpha.
constexpr Rgba colorToRgba(uint32_t color, float alpha = 1.0f) {
    return {static_cast<float>(color & 0xFFu) / 255.0f,
            static_cast<float>((color >> 8) & 0xFFu) / 255.0f,
            static_cast<float>((color >> 16) & 0xFFu) / 255.0f, alpha};
}

struct TSceneState {
    // View transform.
    double zoom_factor = 1.0;
    double position_x = 0.0;
    double position_y = 0.0;
    double position_z = -5.0;
    float rotate_step_x = 0.0f;
    float rotate_step_y = 0.0f;
    float rotate_step_z = 0.0f;
    float rotate_speed_x = 0.0f;
    float rotate_speed_y = 0.0f;
    float rotate_speed_z = 0.0f;
    Matrix4 rotation_matrix = kIdentityMatrix;

    // Colour table and the colours derived from it.
    std::array<int32_t, kColorCount> colors{};
    Rgba background_rgba{};
    Rgba global_ambient{};
    std::array<Rgba, kLightCount> light_diffuse{};
    std::array<Rgba, kLightCount> light_ambient{};
    std::array<Rgba, kLightCount> light_specular{};
    Rgba material_diffuse{};
    Rgba material_ambient{};
    Rgba material_specular{};

    // Lights.
    std::array<bool, kLightCount> light_on{};
    std::array<Rgba, kLightCount> light_position{};  // x, y, z, w (0 directional, 1 positioned)
    std::array<bool, kLightCount> light_rotated{};
    std::array<bool, kLightCount> light_indicated{};
    std::array<std::array<int32_t, 3>, kLightCount> spot_direction_steps{};
    std::array<std::array<float, 3>, kLightCount> spot_direction{};
    std::array<int32_t, kLightCount> spot_angle{};
    std::array<float, kLightCount> spot_cutoff{};

    // Material.
    float material_shininess = 0.0f;
    float opacity = 0.0f;

    // Stores entry `index` of the colour table (0x00BBGGRR) together with the OpenGL colour
    // derived from it; the material's colours take the current opacity as their alpha.
    void setColor(int index, uint32_t color);
};

// Unit spot direction of direction steps (sx, sy, sz): (sx, -sy, sz) / length, the sum of
// squares taken in integers. Steps that are all zero have no direction and give (0, 0, -1).
std::array<float, 3> spotDirectionFromSteps(const std::array<int32_t, 3>& steps);

}  // namespace tv
