// The pictures on the main window's speed buttons, drawn in code as small line art.
#pragma once

#include <QIcon>

namespace tv {

enum class Glyph {
    New,
    Open,
    Save,
    SaveAs,
    About,
    Exit,
    Continuous,
    Separate,
    Flip,
    Delete,
    AxisX,
    AxisY,
    Grid,
    Denser,
    Sparser,
    Snap,
    Zoom,
    Move,
    Rotate,
    Axes,
    Material,
    Light,
    Reset,
    Normals,
};

QIcon makeGlyph(Glyph glyph);

}  // namespace tv
