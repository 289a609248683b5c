// A ToolHost for tests: a scene state as the main window creates it, scripted dialogs,
// a display mode the test sets, and a record of what the tool windows asked of the
// main window.
#pragma once

#include <QMainWindow>
#include <optional>
#include <vector>

#include "support/scripted_dialogs.h"
#include "toolwin/tool_host.h"

namespace tv::test {

class FakeToolHost final : public ToolHost {
  public:
    TSceneState state;
    ScriptedDialogs scripted_dialogs;
    int display_mode = 0;
    bool modified = false;
    int modified_marks = 0;
    std::optional<uint32_t> object_button_color;
    std::vector<ToolWindowId> closed_windows;

    TSceneState& scene() override { return state; }
    void SetModified(bool flag) override {
        modified = flag;
        modified_marks += flag ? 1 : 0;
    }
    Dialogs& dialogs() override { return scripted_dialogs; }
    int displayMode() const override { return display_mode; }
    void setObjectButtonColor(uint32_t color) override { object_button_color = color; }
    void toolWindowClosed(ToolWindowId id) override { closed_windows.push_back(id); }

    // Forgets the marks made so far, as the main window's start-up does.
    void clearModified() {
        modified = false;
        modified_marks = 0;
    }
};

}  // namespace tv::test
