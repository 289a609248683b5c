#include "toolwin/forg.h"

#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "toolwin/tool_controls.h"
#include "toolwin/tool_glyphs.h"
#include "view3d/scene_controls.h"

namespace tv {

Tform_forg::Tform_forg(ToolHost& host, QMainWindow* parent)
    : ToolWindow(host, parent, ToolWindowId::Rotate, QStringLiteral("Rotate"), QSize(341, 48)) {
    QWidget* client = clientArea();
    l_forg = makeLabel(client, QStringLiteral("Rotate:"), QRect(3, 17, 40, 14));
    makeLabel(client, QStringLiteral("X"), QRect(45, 17, 8, 14));
    g_fxpl = makeSpeedButton(client, makeToolGlyph(ToolGlyph::TurnUp), QRect(53, 3, 20, 20));
    g_fxm = makeSpeedButton(client, makeToolGlyph(ToolGlyph::TurnDown), QRect(53, 25, 20, 20));
    makeLabel(client, QStringLiteral("Y"), QRect(77, 17, 8, 14));
    g_fym = makeSpeedButton(client, makeToolGlyph(ToolGlyph::TurnLeft), QRect(85, 14, 20, 20));
    g_fypl = makeSpeedButton(client, makeToolGlyph(ToolGlyph::TurnRight), QRect(105, 14, 20, 20));
    makeLabel(client, QStringLiteral("Z"), QRect(129, 17, 8, 14));
    g_fzpl = makeSpeedButton(client, makeToolGlyph(ToolGlyph::TurnAntiClockwise),
                             QRect(137, 14, 20, 20));
    g_fzm =
        makeSpeedButton(client, makeToolGlyph(ToolGlyph::TurnClockwise), QRect(157, 14, 20, 20));
    makeSeparator(client, 180, 48);

    l_fseb = makeLabel(client, QStringLiteral("Speed:"), QRect(184, 17, 38, 14));
    makeLabel(client, QStringLiteral("X"), QRect(224, 17, 8, 14));
    tb_x = makeTrackBar(client, Qt::Vertical, kRotateRange.min, kRotateRange.max, 0,
                        kDefaultRotatePositions[0], QRect(232, 1, 20, 46));
    makeLabel(client, QStringLiteral("Y"), QRect(255, 5, 8, 14));
    tb_y = makeTrackBar(client, Qt::Horizontal, kRotateRange.min, kRotateRange.max, 0,
                        kDefaultRotatePositions[1], QRect(263, 1, 50, 22));
    makeLabel(client, QStringLiteral("Z"), QRect(255, 29, 8, 14));
    tb_z = makeTrackBar(client, Qt::Horizontal, kRotateRange.min, kRotateRange.max, 0,
                        kDefaultRotatePositions[2], QRect(263, 25, 50, 22));
    g_alap = makeSpeedButton(client, makeToolGlyph(ToolGlyph::Reset), QRect(316, 13, 23, 22));

    connect(tb_x, &QSlider::valueChanged, this, [this] { tb_xChange(); });
    connect(tb_y, &QSlider::valueChanged, this, [this] { tb_yChange(); });
    connect(tb_z, &QSlider::valueChanged, this, [this] { tb_zChange(); });
    connect(g_fxpl, &QToolButton::clicked, this, [this] { g_fxplClick(); });
    connect(g_fxm, &QToolButton::clicked, this, [this] { g_fxmClick(); });
    connect(g_fym, &QToolButton::clicked, this, [this] { g_fymClick(); });
    connect(g_fypl, &QToolButton::clicked, this, [this] { g_fyplClick(); });
    connect(g_fzpl, &QToolButton::clicked, this, [this] { g_fzplClick(); });
    connect(g_fzm, &QToolButton::clicked, this, [this] { g_fzmClick(); });
    connect(g_alap, &QToolButton::clicked, this, [this] { g_alapClick(); });
    nameControls({{l_forg, "l_forg"},
                  {l_fseb, "l_fseb"},
                  {g_fxpl, "g_fxpl"},
                  {g_fxm, "g_fxm"},
                  {g_fym, "g_fym"},
                  {g_fypl, "g_fypl"},
                  {g_fzpl, "g_fzpl"},
                  {g_fzm, "g_fzm"},
                  {tb_x, "tb_x"},
                  {tb_y, "tb_y"},
                  {tb_z, "tb_z"},
                  {g_alap, "g_alap"}});
    FormCreate(4);
}

void Tform_forg::tb_xChange() {
    host_.scene().rotate_speed_x = rotateSpeed(0, tb_x->value());
    host_.SetModified(true);
}

void Tform_forg::tb_yChange() {
    host_.scene().rotate_speed_y = rotateSpeed(1, tb_y->value());
    host_.SetModified(true);
}

void Tform_forg::tb_zChange() {
    host_.scene().rotate_speed_z = rotateSpeed(2, tb_z->value());
    host_.SetModified(true);
}

void Tform_forg::g_fxplClick() {
    host_.scene().rotate_step_x = -kTurnStep;
    host_.SetModified(true);
}

void Tform_forg::g_fxmClick() {
    host_.scene().rotate_step_x = kTurnStep;
    host_.SetModified(true);
}

void Tform_forg::g_fymClick() {
    host_.scene().rotate_step_y = kTurnStep;
    host_.SetModified(true);
}

void Tform_forg::g_fyplClick() {
    host_.scene().rotate_step_y = -kTurnStep;
    host_.SetModified(true);
}

void Tform_forg::g_fzplClick() {
    host_.scene().rotate_step_z = kTurnStep;
    host_.SetModified(true);
}

void Tform_forg::g_fzmClick() {
    host_.scene().rotate_step_z = -kTurnStep;
    host_.SetModified(true);
}

// Stops the rotation (through the change handlers of the track bars that move) and puts
// the object back in its first orientation; pending one-off turns stay.
void Tform_forg::g_alapClick() {
    tb_x->setValue(kDefaultRotatePositions[0]);
    tb_y->setValue(kDefaultRotatePositions[1]);
    tb_z->setValue(kDefaultRotatePositions[2]);
    host_.scene().rotation_matrix = kIdentityMatrix;
    host_.SetModified(true);
}

}  // namespace tv
