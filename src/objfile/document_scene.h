// The scene values that follow from a document: what the tool windows' change handlers
// derive from their track positions, and the light values the loader recomputes.
#pragma once

#include <array>

#include "objfile/object_document.h"
#include "view3d/scene_state.h"

namespace tv {

struct DerivedValues {
    double zoom_factor = 0.0;
    std::array<double, 3> position{};
    std::array<float, 3> rotate_speed{};
    float opacity = 0.0f;
    float material_shininess = 0.0f;
    std::array<float, kLightCount> spot_cutoff{};
    std::array<std::array<float, 3>, kLightCount> spot_direction{};
};

// Expects the track positions already limited (see clampToControlRanges).
DerivedValues deriveValues(const ObjectDocument& document);

// Writes the settings of light `l` (0..2) that a document stores, with its spot cut-off
// and spot direction, into `scene`; its colours are left as they are.
void applyLightToSceneState(const ObjectLight& light, int l, TSceneState& scene);

// Writes the document's scene settings, with every derived value and colour, into `scene`.
// The one-shot rotation steps are left as they are.
void applyToSceneState(const ObjectDocument& document, TSceneState& scene);

}  // namespace tv
