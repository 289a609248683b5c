// The move window: three track bars for the position of the object in eye space.
#pragma once

#include "toolwin/tool_window.h"

class QLabel;
class QSlider;
class QToolButton;

namespace tv {

class Tform_mozg final : public ToolWindow {
    Q_OBJECT
  public:
    Tform_mozg(ToolHost& host, QMainWindow* parent);

    QLabel* l_poz;
    QSlider* tb_x;  // x × 10
    QSlider* tb_y;  // -y × 10, minimum at the top
    QSlider* tb_z;  // z × 10, minimum at the top
    QToolButton* g_alap;

    void tb_xChange();
    void tb_yChange();
    void tb_zChange();
    void g_alapClick();
};

}  // namespace tv
