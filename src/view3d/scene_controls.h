// The controls that set the scene, as plain numbers: the range of every track bar and of
// the segment spin box, the position each has after start-up and after its reset, and the
// scene value each position gives. The tool windows, the main window, the file loader and
// the command-line tool all take them from here. The colour buttons' defaults are the
// colour table's (kDefaultColors, scene_state.h).
//
// Three-track-bar groups (move, rotate, light position, spot direction) index their axes
// 0, 1, 2 for x, y, z.
#pragma once

#include <array>
#include <cstdint>

namespace tv {

struct TrackRange {
    int32_t min;
    int32_t max;
    constexpr int32_t clamp(int32_t v) const { return v < min ? min : (v > max ? max : v); }
};

inline constexpr TrackRange kZoomRange{10, 300};           // per cent
inline constexpr TrackRange kMoveXYRange{-40, 40};         // tenths of a unit
inline constexpr TrackRange kMoveZRange{-200, 0};          // tenths of a unit
inline constexpr TrackRange kRotateRange{-10, 10};         // quarters of a speed unit
inline constexpr TrackRange kTransparencyRange{0, 100};    // per cent
inline constexpr TrackRange kShininessRange{5, 100};       // the highlight's size
inline constexpr TrackRange kSegmentsRange{3, 999};        // angular steps of the solid
inline constexpr TrackRange kLightPositionRange{-20, 20};  // tenths of a unit
inline constexpr TrackRange kSpotAngleRange{0, 90};        // degrees
inline constexpr TrackRange kSpotStepRange{-10, 10};

// Positions after start-up and after the reset of each control's window.
inline constexpr int32_t kDefaultZoomPosition = 100;
inline constexpr std::array<int32_t, 3> kDefaultMovePositions{0, 0, -50};
inline constexpr std::array<int32_t, 3> kDefaultRotatePositions{0, 0, 0};
inline constexpr int32_t kDefaultTransparencyPosition = 0;
inline constexpr int32_t kDefaultShininessPosition = 5;
inline constexpr int32_t kDefaultSegments = 7;
inline constexpr int kDefaultDisplayMode = 0;  // wire frame
inline constexpr int32_t kDefaultSpotAngle = 45;
inline constexpr std::array<int32_t, 3> kDefaultSpotSteps{0, 0, -10};

// Light 1 (index 0) starts on, shining from the upper left front; lights 2 and 3 start
// off. All three start directional, not spotlights, neither indicated nor rotated.
constexpr bool defaultLightOn(int light) {
    return light == 0;
}
constexpr std::array<float, 4> defaultLightPosition(int light) {
    return light == 0 ? std::array<float, 4>{-1.0f, 1.0f, 1.0f, 0.0f}
                      : std::array<float, 4>{0.0f, 0.1f, 1.0f, 0.0f};
}

// The spot cut-off of a light that is not a spotlight.
inline constexpr float kNoSpotCutoff = 180.0f;

// Degrees of the one-off turn that a turn button requests.
inline constexpr float kTurnStep = 15.0f;

constexpr double zoomFactor(int32_t position) {
    return position / 100.0;
}

// The y track bar has its minimum at the top, so that the knob's top end is the highest
// position: its sign is reversed.
constexpr double moveOffset(int axis, int32_t position) {
    return (axis == 1 ? -position : position) / 10.0;
}

// The speed of the continuous rotation about each axis; y and z are reversed.
constexpr float rotateSpeed(int axis, int32_t position) {
    return static_cast<float>(axis == 0 ? position : -position) / 4.0f;
}

// 1 is opaque, 0 fully transparent.
constexpr float materialOpacity(int32_t transparency_position) {
    return static_cast<float>(1.0 - transparency_position / 100.0);
}

// The specular exponent: a larger highlight is a smaller exponent, from 100 at the left
// end of the track bar to 5 at the right.
constexpr float materialShininess(int32_t shininess_position) {
    return static_cast<float>(kShininessRange.min + kShininessRange.max - shininess_position);
}

// A coordinate of a light's direction or position; y reversed as for the move window.
constexpr float lightCoordinate(int axis, int32_t position) {
    return static_cast<float>((axis == 1 ? -position : position) / 10.0);
}

// The light track position nearest to `coordinate` (the inverse of lightCoordinate), kept
// inside kLightPositionRange; a coordinate that is not a number gives the minimum.
int32_t lightTrackPosition(int axis, float coordinate);

constexpr float spotCutoff(bool spotlight, int32_t spot_angle) {
    return spotlight ? static_cast<float>(spot_angle) : kNoSpotCutoff;
}
constexpr bool isSpotlight(float spot_cutoff) {
    return spot_cutoff != kNoSpotCutoff;
}

// Unit spot direction of direction steps (sx, sy, sz): (sx, -sy, sz) / length, the sum of
// squares taken in integers. Steps that are all zero have no direction and give (0, 0, -1).
std::array<float, 3> spotDirectionFromSteps(const std::array<int32_t, 3>& steps);

}  // namespace tv
