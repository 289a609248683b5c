// The zoom window: one track bar for the zoom factor of the 3D view.
#pragma once

#include "toolwin/tool_window.h"

class QLabel;
class QSlider;
class QToolButton;

namespace tv {

class Tform_zoom final : public ToolWindow {
    Q_OBJECT
  public:
    Tform_zoom(ToolHost& host, QMainWindow* parent);

    QLabel* l_zoom;
    QSlider* tb_zoom;  // zoom in per cent
    QLabel* zoom;      // the zoom in per cent, as text
    QToolButton* g_alap;

    void tb_zoomChange();
    void g_alapClick();
};

}  // namespace tv
