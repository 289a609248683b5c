// The material window: transparency, the material's three colours (the diffuse one is
// also the object colour) and the size of its highlight.
#pragma once

#include "toolwin/tool_window.h"

class QLabel;
class QSlider;
class QToolButton;

namespace tv {

class ColorButton;

class Tform_anyag final : public ToolWindow {
    Q_OBJECT
  public:
    Tform_anyag(ToolHost& host, QMainWindow* parent);

    QLabel* l_atl;
    QSlider* tb_atl;  // transparency in per cent
    QLabel* atl;      // the transparency, as text
    QLabel* l_mdiff;
    ColorButton* g_mdiff;
    QLabel* l_mamb;
    ColorButton* g_mamb;
    QLabel* l_mspec;
    ColorButton* g_mspec;
    QLabel* l_mshininess;
    QSlider* tb_mshininess;  // the highlight's size: a larger one is a smaller shininess
    QToolButton* g_alap;

    void tb_atlChange();
    void tb_mshininessChange();
    // Click of g_mdiff, g_mamb and g_mspec.
    void g_mdiffClick(ColorButton* sender);
    void g_alapClick();

    // Copies the letter colours into the scene state and onto the main window's object
    // colour button.
    void StoreColors();

    // The ambient and specular colours and the highlight only act in the lit display
    // modes; transparency and the object colour act in every mode.
    void UpdateEnabledState();
};

}  // namespace tv
