// The light window: the global ambient light and, for the light chosen with the radio
// buttons, whether it is on, its colours, whether it is directional or positioned, its
// direction or position, whether it turns with the object, whether its indicator is
// drawn, and its spotlight. The spotlight row is visible only while the chosen light is
// positioned: the window is then tall, otherwise short.
#pragma once

#include <cstdint>

#include "toolwin/tool_window.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;
class QToolButton;
class QWidget;

namespace tv {

class ColorButton;

class Tform_feny final : public ToolWindow {
    Q_OBJECT
  public:
    static constexpr int32_t kShortClientHeight = 48;
    static constexpr int32_t kTallClientHeight = 100;

    Tform_feny(ToolHost& host, QMainWindow* parent);

    // First row.
    QLabel* l_feny;
    QLabel* l_globamb;
    ColorButton* g_globamb;
    QRadioButton* rb_1;
    QRadioButton* rb_2;
    QRadioButton* rb_3;
    QCheckBox* cb_be;
    QCheckBox* cb_forg;
    QCheckBox* cb_irany;
    QLabel* l_ldiff;
    ColorButton* g_ldiff;
    QLabel* l_lamb;
    ColorButton* g_lamb;
    QLabel* l_lspec;
    ColorButton* g_lspec;
    QWidget* panel_irany;  // rb_irany and rb_poz form a group of their own
    QRadioButton* rb_irany;
    QRadioButton* rb_poz;
    QSlider* tb_x;  // x × 10
    QSlider* tb_y;  // -y × 10, minimum at the top
    QSlider* tb_z;  // z × 10, minimum at the top
    QToolButton* g_alap;

    // Second row, seen only in the tall window.
    QCheckBox* cb_spot;
    QLabel* l_vszog;
    QSlider* tb_vsz;  // cone half-angle in degrees
    QLabel* l_vsz;    // the angle, as text
    QLabel* l_spotirany;
    QSlider* tb_px;  // spot direction steps; tb_py (sign reversed) and tb_pz
    QSlider* tb_py;  // minimum at the top
    QSlider* tb_pz;  // minimum at the top

    // The light the controls show and edit, 0..2 (light 1 of the user's view is 0). Set
    // by rb_1Click from the radio buttons; the loader sets it around StoreColors.
    int current_light = 0;

    // Loads the chosen light into the controls and enables them by the display mode.
    // Controls whose state changes run their own handlers; a call from inside a running
    // rb_1Click does nothing.
    void rb_1Click();
    void cb_beClick();
    void cb_forgClick();
    void cb_iranyClick();
    // Click of rb_irany and rb_poz.
    void rb_iranyClick();
    void tb_xChange();
    void tb_yChange();
    void tb_zChange();
    void cb_spotClick();
    void tb_vszChange();
    // Change of tb_px, tb_py and tb_pz.
    void tb_pxChange(QSlider* sender);
    // Click of g_globamb, g_ldiff, g_lamb and g_lspec.
    void g_globambClick(ColorButton* sender);
    // Resets the global ambient light and all three lights.
    void g_alapClick();

    // Copies the letter colours into the scene state: the global ambient light, and the
    // three colours of current_light.
    void StoreColors();

  private:
    void buildFirstRow(QWidget* client);
    void buildSecondRow(QWidget* client);
    void connectHandlers();
    void setRadioHandler(QRadioButton* button, void (Tform_feny::*handler)());

    bool updating_controls = false;
    int32_t select_depth = 0;
};

}  // namespace tv
