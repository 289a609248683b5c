#include "bench_scene.h"

#include "bench_profile.h"
#include "objfile/document_scene.h"
#include "objfile/object_document.h"

namespace tv::bench {

DefaultScene::DefaultScene(int points, int segments) {
    const auto document = std::make_unique<ObjectDocument>();
    applyToSceneState(*document, scene);
    controls = ViewControls{Axis::Y,  kDisplaySmooth,
                            false,    false,
                            segments, static_cast<uint32_t>(document->colors[kColorObject])};
    // A measured rate, as after the first seconds of running.
    counters.fps_average = 60;
    counters.skip_fps_update = false;
    fillWavyProfile(*profile, points);
}

}  // namespace tv::bench
