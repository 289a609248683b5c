// The document as the editor holds it after opening a file: a legacy file converted,
// track positions and the segment count limited as their controls limit them, and the
// settings that a file can leave undefined given a defined value.
#pragma once

#include <cstdint>

#include "objfile/object_decoder.h"
#include "objfile/object_document.h"
#include "view3d/scene_controls.h"

namespace tv {

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
