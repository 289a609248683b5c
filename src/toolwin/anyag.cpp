#include "toolwin/anyag.h"

#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "toolwin/color_button.h"
#include "toolwin/tool_controls.h"
#include "toolwin/tool_glyphs.h"
#include "view3d/scene_controls.h"

namespace tv {

Tform_anyag::Tform_anyag(ToolHost& host, QMainWindow* parent)
    : ToolWindow(host, parent, ToolWindowId::Material, QStringLiteral("Material"), QSize(529, 48)) {
    QWidget* client = clientArea();
    l_atl = makeLabel(client, QStringLiteral("Transparency:"), QRect(4, 2, 82, 14));
    atl = makeLabel(client, percentText(kDefaultTransparencyPosition), QRect(86, 2, 38, 14),
                    Qt::AlignCenter);
    tb_atl = makeTrackBar(client, Qt::Horizontal, kTransparencyRange.min, kTransparencyRange.max,
                          10, kDefaultTransparencyPosition, QRect(4, 16, 120, 30));
    makeSeparator(client, 128, 48);

    l_mdiff =
        makeLabel(client, QStringLiteral("Diffuse color"), QRect(134, 4, 80, 14), Qt::AlignCenter);
    g_mdiff = new ColorButton(client, QStringLiteral("D"), QRect(163, 21, 22, 22));
    l_mamb =
        makeLabel(client, QStringLiteral("Ambient color"), QRect(218, 4, 80, 14), Qt::AlignCenter);
    g_mamb = new ColorButton(client, QStringLiteral("A"), QRect(247, 21, 22, 22));
    l_mspec =
        makeLabel(client, QStringLiteral("Specular color"), QRect(302, 4, 80, 14), Qt::AlignCenter);
    g_mspec = new ColorButton(client, QStringLiteral("S"), QRect(331, 21, 22, 22));
    l_mshininess = makeLabel(client, QStringLiteral("Lightspot size:"), QRect(390, 2, 104, 14));
    tb_mshininess = makeTrackBar(client, Qt::Horizontal, kShininessRange.min, kShininessRange.max,
                                 10, kDefaultShininessPosition, QRect(390, 16, 104, 30));
    makeSeparator(client, 498, 48);
    g_alap = makeSpeedButton(client, makeToolGlyph(ToolGlyph::Reset), QRect(503, 13, 23, 22));

    connect(tb_atl, &QSlider::valueChanged, this, [this] { tb_atlChange(); });
    connect(tb_mshininess, &QSlider::valueChanged, this, [this] { tb_mshininessChange(); });
    for (ColorButton* button : {g_mdiff, g_mamb, g_mspec}) {
        connect(button, &QToolButton::clicked, this, [this, button] { g_mdiffClick(button); });
    }
    connect(g_alap, &QToolButton::clicked, this, [this] { g_alapClick(); });
    nameControls({{l_atl, "l_atl"},
                  {tb_atl, "tb_atl"},
                  {atl, "atl"},
                  {l_mdiff, "l_mdiff"},
                  {g_mdiff, "g_mdiff"},
                  {l_mamb, "l_mamb"},
                  {g_mamb, "g_mamb"},
                  {l_mspec, "l_mspec"},
                  {g_mspec, "g_mspec"},
                  {l_mshininess, "l_mshininess"},
                  {tb_mshininess, "tb_mshininess"},
                  {g_alap, "g_alap"}});
    FormCreate(3);
}

void Tform_anyag::tb_atlChange() {
    const int position = tb_atl->value();
    host_.scene().opacity = materialOpacity(position);
    atl->setText(percentText(position));
    StoreColors();
    host_.SetModified(true);
}

void Tform_anyag::tb_mshininessChange() {
    host_.scene().material_shininess = materialShininess(tb_mshininess->value());
    host_.SetModified(true);
}

void Tform_anyag::g_mdiffClick(ColorButton* sender) {
    if (sender->chooseColor(host_.dialogs())) {
        StoreColors();
        host_.SetModified(true);
    }
}

void Tform_anyag::g_alapClick() {
    TSceneState& scene = host_.scene();
    tb_atl->setValue(kDefaultTransparencyPosition);
    scene.opacity = materialOpacity(tb_atl->value());
    g_mdiff->setColor(defaultColor(kColorObject));
    g_mamb->setColor(defaultColor(kColorMaterialAmbient));
    g_mspec->setColor(defaultColor(kColorMaterialSpecular));
    tb_mshininess->setValue(kDefaultShininessPosition);
    scene.material_shininess = materialShininess(kDefaultShininessPosition);
    UpdateEnabledState();
    StoreColors();
    host_.SetModified(true);
}

void Tform_anyag::StoreColors() {
    TSceneState& scene = host_.scene();
    const uint32_t diffuse = g_mdiff->color();
    const uint32_t ambient = g_mamb->color();
    const uint32_t specular = g_mspec->color();
    scene.setColor(kColorObject, diffuse);
    scene.setColor(kColorMaterialAmbient, ambient);
    scene.setColor(kColorMaterialSpecular, specular);
    host_.setObjectButtonColor(diffuse);
}

void Tform_anyag::UpdateEnabledState() {
    const bool lit = host_.displayMode() >= 2;
    g_mamb->setEnabled(lit);
    g_mspec->setEnabled(lit);
    tb_mshininess->setEnabled(lit);
}

}  // namespace tv
