#include "toolwin/mozg.h"

#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "toolwin/tool_controls.h"
#include "toolwin/tool_glyphs.h"
#include "view3d/scene_controls.h"

namespace tv {

Tform_mozg::Tform_mozg(ToolHost& host, QMainWindow* parent)
    : ToolWindow(host, parent, ToolWindowId::Move, QStringLiteral("Move"), QSize(219, 48)) {
    QWidget* client = clientArea();
    l_poz = makeLabel(client, QStringLiteral("Position:"), QRect(3, 17, 48, 14));
    makeLabel(client, QStringLiteral("X"), QRect(52, 2, 76, 13), Qt::AlignCenter);
    tb_x = makeTrackBar(client, Qt::Horizontal, kMoveXYRange.min, kMoveXYRange.max, 10,
                        kDefaultMovePositions[0], QRect(52, 15, 76, 30));
    makeLabel(client, QStringLiteral("Y"), QRect(131, 17, 9, 14));
    tb_y = makeTrackBar(client, Qt::Vertical, kMoveXYRange.min, kMoveXYRange.max, 9,
                        kDefaultMovePositions[1], QRect(140, 1, 22, 46));
    makeLabel(client, QStringLiteral("Z"), QRect(163, 17, 9, 14));
    tb_z = makeTrackBar(client, Qt::Vertical, kMoveZRange.min, kMoveZRange.max, 22,
                        kDefaultMovePositions[2], QRect(172, 1, 22, 46));
    g_alap = makeSpeedButton(client, makeToolGlyph(ToolGlyph::Reset), QRect(196, 13, 23, 22));

    connect(tb_x, &QSlider::valueChanged, this, [this] { tb_xChange(); });
    connect(tb_y, &QSlider::valueChanged, this, [this] { tb_yChange(); });
    connect(tb_z, &QSlider::valueChanged, this, [this] { tb_zChange(); });
    connect(g_alap, &QToolButton::clicked, this, [this] { g_alapClick(); });
    nameControls(
        {{l_poz, "l_poz"}, {tb_x, "tb_x"}, {tb_y, "tb_y"}, {tb_z, "tb_z"}, {g_alap, "g_alap"}});
    FormCreate(5);
}

void Tform_mozg::tb_xChange() {
    host_.scene().position_x = moveOffset(0, tb_x->value());
    host_.SetModified(true);
}

void Tform_mozg::tb_yChange() {
    host_.scene().position_y = moveOffset(1, tb_y->value());
    host_.SetModified(true);
}

void Tform_mozg::tb_zChange() {
    host_.scene().position_z = moveOffset(2, tb_z->value());
    host_.SetModified(true);
}

// Marks nothing itself: the change handlers do for the positions that move.
void Tform_mozg::g_alapClick() {
    tb_x->setValue(kDefaultMovePositions[0]);
    tb_y->setValue(kDefaultMovePositions[1]);
    tb_z->setValue(kDefaultMovePositions[2]);
}

}  // namespace tv
