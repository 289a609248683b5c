// The scene of the frame benchmarks: the editor's default document (its lights as the
// light window's reset leaves them, material, position and colours) shown smooth-shaded,
// with the wavy profile.
#pragma once

#include <memory>

#include "profile/profile_model.h"
#include "view3d/render_pass.h"

namespace tv::bench {

// The largest profile an object file can hold.
inline constexpr int kLargestDocumentPoints = 3834;

struct DefaultScene {
    DefaultScene(int points, int segments);
    RenderInputs inputs() { return {scene, *profile, counters, controls}; }

    TSceneState scene;
    std::unique_ptr<ProfileModel> profile = std::make_unique<ProfileModel>();
    FrameCounters counters;
    ViewControls controls;
};

}  // namespace tv::bench
