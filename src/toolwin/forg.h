// The rotate window: continuous rotation speeds about the object's three axes, one-off
// turns of 15 degrees, and the reset of the object's orientation.
#pragma once

#include "toolwin/tool_window.h"

class QLabel;
class QSlider;
class QToolButton;

namespace tv {

class Tform_forg final : public ToolWindow {
    Q_OBJECT
  public:
    Tform_forg(ToolHost& host, QMainWindow* parent);

    QLabel* l_forg;
    QLabel* l_fseb;
    QToolButton* g_fxpl;  // turn about X, above g_fxm
    QToolButton* g_fxm;
    QToolButton* g_fym;  // turn about Y, left of g_fypl
    QToolButton* g_fypl;
    QToolButton* g_fzpl;  // turn about Z, left of g_fzm
    QToolButton* g_fzm;
    QSlider* tb_x;  // speed about X × 4, minimum at the top
    QSlider* tb_y;  // -speed about Y × 4
    QSlider* tb_z;  // -speed about Z × 4
    QToolButton* g_alap;

    void tb_xChange();
    void tb_yChange();
    void tb_zChange();
    // The turns assign their step: the next frame applies it once and clears it.
    void g_fxplClick();
    void g_fxmClick();
    void g_fymClick();
    void g_fyplClick();
    void g_fzplClick();
    void g_fzmClick();
    void g_alapClick();
};

}  // namespace tv
