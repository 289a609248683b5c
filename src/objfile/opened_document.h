// The document as the editor holds it after opening a file: a legacy file converted,
// track positions and the segment count limited as their controls limit them, and the
// settings that a file can leave undefined given a defined value.
#pragma once

#include <cstdint>

#include "objfile/object_decoder.h"
#include "objfile/object_document.h"

namespace tv {

struct TrackRange {
    int32_t min;
    int32_t max;
    constexpr int32_t clamp(int32_t v) const { return v < min ? min : (v > max ? max : v); }
};

inline constexpr TrackRange kZoomRange{10, 300};
inline constexpr TrackRange kMoveXYRange{-40, 40};
inline constexpr TrackRange kMoveZRange{-200, 0};
inline constexpr TrackRange kRotateRange{-10, 10};
inline constexpr TrackRange kTransparencyRange{0, 100};
inline constexpr TrackRange kShininessRange{5, 100};
inline constexpr TrackRange kSegmentsRange{3, 999};
inline constexpr TrackRange kSpotAngleRange{0, 90};
inline constexpr TrackRange kSpotStepRange{-10, 10};

// The spot steps a light gets when a file stores none (all three zero).
inline constexpr std::array<int32_t, 3> kDefaultSpotSteps{0, 0, -10};

// The document after loading a legacy file: the move, rotate, material and light windows
// reset, zoom 200 %, a silver background and a black object, wire frame, no axes or
// normals, flip off, the file's axis and segments, and the file's drawing mode (a mode
// byte other than 0 or 1 keeps `editor_continuous`, the mode the editor had). Image kind 2
// sets the rotation speed about the profile's axis to position 2.
ObjectDocument legacyToDocument(const LegacyObjectFile& file, bool editor_continuous);

// Limits the track positions and `segments` to the ranges of their controls.
void clampToControlRanges(ObjectDocument& document);

// A light whose spot steps are all zero gets kDefaultSpotSteps; a display mode outside
// 0..3 becomes kNoDisplayMode (no item of the display-mode list selected).
void repairUndefinedSettings(ObjectDocument& document);

// Both of the above applied to a decoded file (a legacy one converted first).
ObjectDocument documentAsOpened(const CurrentObjectFile& file);
ObjectDocument documentAsOpened(const LegacyObjectFile& file, bool editor_continuous);

}  // namespace tv
