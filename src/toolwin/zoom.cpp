#include "toolwin/zoom.h"

#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "toolwin/tool_controls.h"
#include "toolwin/tool_glyphs.h"
#include "view3d/scene_controls.h"

namespace tv {

Tform_zoom::Tform_zoom(ToolHost& host, QMainWindow* parent)
    : ToolWindow(host, parent, ToolWindowId::Zoom, QStringLiteral("Zoom"), QSize(163, 48)) {
    QWidget* client = clientArea();
    l_zoom = makeLabel(client, QStringLiteral("Zoom:"), QRect(4, 17, 34, 14));
    zoom =
        makeLabel(client, percentText(kDefaultZoomPosition), QRect(38, 2, 94, 13), Qt::AlignCenter);
    tb_zoom = makeTrackBar(client, Qt::Horizontal, kZoomRange.min, kZoomRange.max, 29,
                           kDefaultZoomPosition, QRect(38, 15, 94, 30));
    g_alap = makeSpeedButton(client, makeToolGlyph(ToolGlyph::Reset), QRect(137, 13, 23, 22));

    connect(tb_zoom, &QSlider::valueChanged, this, [this] { tb_zoomChange(); });
    connect(g_alap, &QToolButton::clicked, this, [this] { g_alapClick(); });
    nameControls({{l_zoom, "l_zoom"}, {tb_zoom, "tb_zoom"}, {zoom, "zoom"}, {g_alap, "g_alap"}});
    FormCreate(6);
}

void Tform_zoom::tb_zoomChange() {
    const int position = tb_zoom->value();
    zoom->setText(percentText(position));
    host_.scene().zoom_factor = zoomFactor(position);
    host_.SetModified(true);
}

// Marks nothing itself: the change handler does when the position moves.
void Tform_zoom::g_alapClick() {
    tb_zoom->setValue(kDefaultZoomPosition);
}

}  // namespace tv
