// What the tool windows need from the main window: the scene state they edit, the
// modified state, the dialogs, the display mode, and the main-window buttons they touch.
#pragma once

#include <cstdint>

#include "util/dialogs.h"
#include "view3d/scene_state.h"

namespace tv {

enum class ToolWindowId { Zoom, Move, Rotate, Light, Material };

class ToolHost {
  public:
    virtual ~ToolHost() = default;

    virtual TSceneState& scene() = 0;
    virtual void SetModified(bool flag) = 0;
    virtual Dialogs& dialogs() = 0;

    // Item index of the display-mode list; -1 while nothing is selected.
    virtual int displayMode() const = 0;

    // The main window's object-colour button shows the material's diffuse colour.
    virtual void setObjectButtonColor(uint32_t color) = 0;

    // A tool window was closed with its close box: raise its toggle button without
    // running the button's click handler.
    virtual void toolWindowClosed(ToolWindowId id) = 0;
};

}  // namespace tv
