// The pictures on the tool windows' speed buttons, drawn in code as small line art.
#pragma once

#include <QIcon>

namespace tv {

enum class ToolGlyph {
    Reset,              // back to the start values
    TurnUp,             // the near side of the object turns up (about X)
    TurnDown,           // ... down (about X)
    TurnLeft,           // the far side turns left (about Y)
    TurnRight,          // ... right (about Y)
    TurnAntiClockwise,  // in the picture plane (about Z)
    TurnClockwise,
};

QIcon makeToolGlyph(ToolGlyph glyph);

}  // namespace tv
