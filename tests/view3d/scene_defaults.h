// The scene as the editor has it after start-up (the default document's), with an opaque
// background, for tests of the render pass.
#pragma once

#include "objfile/document_scene.h"
#include "objfile/object_document.h"
#include "view3d/scene_state.h"

namespace tv::test {

inline TSceneState startupScene() {
    TSceneState s;
    applyToSceneState(ObjectDocument{}, s);
    return s;
}

}  // namespace tv::test
