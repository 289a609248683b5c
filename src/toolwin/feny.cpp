#include "toolwin/feny.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <array>
#include <initializer_list>

#include "toolwin/color_button.h"
#include "toolwin/tool_controls.h"
#include "toolwin/tool_glyphs.h"
#include "view3d/scene_controls.h"

namespace tv {

namespace {

constexpr int kRow = 16;
constexpr int kShortLabelTop = 16;
constexpr int kTallLabelTop = 42;

// The position track bars' positions for light 1 after start-up.
int defaultLightTrackPosition(int axis) {
    return lightTrackPosition(axis, defaultLightPosition(0)[axis]);
}

QRadioButton* radioButton(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* button = new QRadioButton(text, parent);
    button->setGeometry(geometry);
    return button;
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* box = new QCheckBox(text, parent);
    box->setGeometry(geometry);
    return box;
}

}  // namespace

Tform_feny::Tform_feny(ToolHost& host, QMainWindow* parent)
    : ToolWindow(host, parent, ToolWindowId::Light, QStringLiteral("Light:"),
                 QSize(606, kShortClientHeight)) {
    QWidget* client = clientArea();
    buildFirstRow(client);
    buildSecondRow(client);
    connectHandlers();
    nameControls({{l_feny, "l_feny"},
                  {l_globamb, "l_globamb"},
                  {g_globamb, "g_globamb"},
                  {rb_1, "rb_1"},
                  {rb_2, "rb_2"},
                  {rb_3, "rb_3"},
                  {cb_be, "cb_be"},
                  {cb_forg, "cb_forg"},
                  {cb_irany, "cb_irany"},
                  {l_ldiff, "l_ldiff"},
                  {g_ldiff, "g_ldiff"},
                  {l_lamb, "l_lamb"},
                  {g_lamb, "g_lamb"},
                  {l_lspec, "l_lspec"},
                  {g_lspec, "g_lspec"},
                  {rb_irany, "rb_irany"},
                  {rb_poz, "rb_poz"},
                  {tb_x, "tb_x"},
                  {tb_y, "tb_y"},
                  {tb_z, "tb_z"},
                  {cb_spot, "cb_spot"},
                  {l_vszog, "l_vszog"},
                  {tb_vsz, "tb_vsz"},
                  {l_vsz, "l_vsz"},
                  {l_spotirany, "l_spotirany"},
                  {tb_px, "tb_px"},
                  {tb_py, "tb_py"},
                  {tb_pz, "tb_pz"},
                  {g_alap, "g_alap"}});
    FormCreate(2);
}

void Tform_feny::buildFirstRow(QWidget* client) {
    l_feny = makeLabel(client, QStringLiteral("Light:"), QRect(3, kShortLabelTop, 33, 14));

    l_globamb = makeLabel(client, QStringLiteral("Global ambient light"), QRect(37, 1, 76, 28),
                          Qt::AlignCenter);
    l_globamb->setWordWrap(true);
    g_globamb = new ColorButton(client, QStringLiteral("G"), QRect(65, 29, 20, 18));
    makeSeparator(client, 114, kShortClientHeight);

    rb_1 = radioButton(client, QStringLiteral("Light 1"), QRect(117, 0, 60, kRow));
    rb_2 = radioButton(client, QStringLiteral("Light 2"), QRect(117, kRow, 60, kRow));
    rb_3 = radioButton(client, QStringLiteral("Light 3"), QRect(117, 2 * kRow, 60, kRow));
    rb_1->setChecked(true);

    cb_be = checkBox(client, QStringLiteral("On"), QRect(179, 0, 94, kRow));
    cb_be->setChecked(defaultLightOn(0));
    cb_forg = checkBox(client, QStringLiteral("Rotated"), QRect(179, kRow, 94, kRow));
    cb_irany = checkBox(client, QStringLiteral("Indicate light"), QRect(179, 2 * kRow, 94, kRow));
    makeSeparator(client, 274, kShortClientHeight);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    l_ldiff = makeLabel(client, QStringLiteral("Diffuse color"), QRect(277, 0, 80, kRow), right);
    g_ldiff = new ColorButton(client, QStringLiteral("D"), QRect(358, 0, 18, kRow));
    l_lamb = makeLabel(client, QStringLiteral("Ambient color"), QRect(277, kRow, 80, kRow), right);
    g_lamb = new ColorButton(client, QStringLiteral("A"), QRect(358, kRow, 18, kRow));
    l_lspec =
        makeLabel(client, QStringLiteral("Specular color"), QRect(277, 2 * kRow, 80, kRow), right);
    g_lspec = new ColorButton(client, QStringLiteral("S"), QRect(358, 2 * kRow, 18, kRow));
    makeSeparator(client, 378, kShortClientHeight);

    panel_irany = new QWidget(client);
    panel_irany->setGeometry(381, 0, 82, kShortClientHeight);
    rb_irany = radioButton(panel_irany, QStringLiteral("Directional"), QRect(0, 6, 82, kRow));
    rb_poz = radioButton(panel_irany, QStringLiteral("Positioned"), QRect(0, 26, 82, kRow));
    rb_irany->setChecked(true);
    makeSeparator(client, 464, kShortClientHeight);

    makeLabel(client, QStringLiteral("X"), QRect(467, 1, 60, 13), Qt::AlignCenter);
    const TrackRange& range = kLightPositionRange;
    tb_x = makeTrackBar(client, Qt::Horizontal, range.min, range.max, 5,
                        defaultLightTrackPosition(0), QRect(467, 14, 60, 30));
    makeLabel(client, QStringLiteral("Y"), QRect(528, 17, 8, 14));
    tb_y = makeTrackBar(client, Qt::Vertical, range.min, range.max, 5, defaultLightTrackPosition(1),
                        QRect(536, 1, 20, 46));
    makeLabel(client, QStringLiteral("Z"), QRect(557, 17, 8, 14));
    tb_z = makeTrackBar(client, Qt::Vertical, range.min, range.max, 5, defaultLightTrackPosition(2),
                        QRect(565, 1, 20, 46));
    g_alap = makeSpeedButton(client, makeToolGlyph(ToolGlyph::Reset), QRect(585, 13, 21, 22));
}

void Tform_feny::buildSecondRow(QWidget* client) {
    auto* divider = new QFrame(client);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(37, 53, 567, 2);

    cb_spot = checkBox(client, QStringLiteral("Spotlight"), QRect(40, 72, 72, kRow));
    l_vszog = makeLabel(client, QStringLiteral("Cutoff angle:"), QRect(117, 59, 76, 14));
    l_vsz =
        makeLabel(client, degreeText(kDefaultSpotAngle), QRect(193, 59, 34, 14), Qt::AlignCenter);
    tb_vsz = makeTrackBar(client, Qt::Horizontal, kSpotAngleRange.min, kSpotAngleRange.max, 10,
                          kDefaultSpotAngle, QRect(117, 72, 110, 28));

    l_spotirany =
        makeLabel(client, QStringLiteral("Spotlight direction:"), QRect(279, 73, 110, 14));
    makeLabel(client, QStringLiteral("X"), QRect(392, 59, 80, 13), Qt::AlignCenter);
    const TrackRange& range = kSpotStepRange;
    tb_px = makeTrackBar(client, Qt::Horizontal, range.min, range.max, 3, kDefaultSpotSteps[0],
                         QRect(392, 72, 80, 28));
    makeLabel(client, QStringLiteral("Y"), QRect(476, 73, 8, 14));
    tb_py = makeTrackBar(client, Qt::Vertical, range.min, range.max, 3, kDefaultSpotSteps[1],
                         QRect(484, 58, 20, 42));
    makeLabel(client, QStringLiteral("Z"), QRect(507, 73, 8, 14));
    tb_pz = makeTrackBar(client, Qt::Vertical, range.min, range.max, 3, kDefaultSpotSteps[2],
                         QRect(515, 58, 20, 42));
}

// Check boxes and radio buttons run their click handlers on every change of their state,
// whether the user or the program changed it; a radio button only when it becomes checked.
void Tform_feny::setRadioHandler(QRadioButton* button, void (Tform_feny::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
        if (checked) {
            (this->*handler)();
        }
    });
}

void Tform_feny::connectHandlers() {
    setRadioHandler(rb_1, &Tform_feny::rb_1Click);
    setRadioHandler(rb_2, &Tform_feny::rb_1Click);
    setRadioHandler(rb_3, &Tform_feny::rb_1Click);
    setRadioHandler(rb_irany, &Tform_feny::rb_iranyClick);
    setRadioHandler(rb_poz, &Tform_feny::rb_iranyClick);
    connect(cb_be, &QCheckBox::toggled, this, [this] { cb_beClick(); });
    connect(cb_forg, &QCheckBox::toggled, this, [this] { cb_forgClick(); });
    connect(cb_irany, &QCheckBox::toggled, this, [this] { cb_iranyClick(); });
    connect(cb_spot, &QCheckBox::toggled, this, [this] { cb_spotClick(); });
    connect(tb_x, &QSlider::valueChanged, this, [this] { tb_xChange(); });
    connect(tb_y, &QSlider::valueChanged, this, [this] { tb_yChange(); });
    connect(tb_z, &QSlider::valueChanged, this, [this] { tb_zChange(); });
    connect(tb_vsz, &QSlider::valueChanged, this, [this] { tb_vszChange(); });
    for (QSlider* track_bar : {tb_px, tb_py, tb_pz}) {
        connect(track_bar, &QSlider::valueChanged, this,
                [this, track_bar] { tb_pxChange(track_bar); });
    }
    for (ColorButton* button : {g_globamb, g_ldiff, g_lamb, g_lspec}) {
        connect(button, &QToolButton::clicked, this, [this, button] { g_globambClick(button); });
    }
    connect(g_alap, &QToolButton::clicked, this, [this] { g_alapClick(); });
}

void Tform_feny::rb_1Click() {
    ++select_depth;
    if (select_depth > 1) {
        --select_depth;
        return;
    }
    current_light = rb_1->isChecked() ? 0 : rb_2->isChecked() ? 1 : 2;
    const int light = current_light;
    TSceneState& scene = host_.scene();

    const bool lit = host_.displayMode() >= 2;
    for (QWidget* control : std::initializer_list<QWidget*>{g_globamb, rb_1, rb_2, rb_3, cb_be}) {
        control->setEnabled(lit);
    }

    cb_be->setChecked(scene.light_on[light]);
    const bool on = lit && scene.light_on[light];

    cb_forg->setChecked(scene.light_rotated[light]);
    cb_irany->setChecked(scene.light_indicated[light]);
    cb_forg->setEnabled(on);
    cb_irany->setEnabled(on);

    // A directional light is never a spotlight. An exclusive radio button cannot be
    // unchecked by itself, so the button of the light's kind is checked instead.
    if (scene.light_position[light][3] == 0.0f) {
        rb_irany->setChecked(true);
        scene.spot_cutoff[light] = kNoSpotCutoff;
    } else {
        rb_poz->setChecked(true);
    }
    rb_irany->setEnabled(on);
    rb_poz->setEnabled(on);

    g_ldiff->setColor(static_cast<uint32_t>(scene.colors[lightDiffuseIndex(light)]));
    g_lamb->setColor(static_cast<uint32_t>(scene.colors[lightAmbientIndex(light)]));
    g_lspec->setColor(static_cast<uint32_t>(scene.colors[lightSpecularIndex(light)]));
    g_ldiff->setEnabled(on);
    g_lamb->setEnabled(on);
    g_lspec->setEnabled(on);

    tb_x->setValue(lightTrackPosition(0, scene.light_position[light][0]));
    tb_y->setValue(lightTrackPosition(1, scene.light_position[light][1]));
    tb_z->setValue(lightTrackPosition(2, scene.light_position[light][2]));
    tb_x->setEnabled(on);
    tb_y->setEnabled(on);
    tb_z->setEnabled(on);

    const bool positioned = on && rb_poz->isChecked();
    const bool tall = rb_poz->isChecked();
    l_feny->move(l_feny->x(), tall ? kTallLabelTop : kShortLabelTop);
    setFixedClientHeight(tall ? kTallClientHeight : kShortClientHeight);

    cb_spot->setChecked(isSpotlight(scene.spot_cutoff[light]));
    cb_spot->setEnabled(positioned);
    const bool spot = positioned && cb_spot->isChecked();

    updating_controls = true;
    tb_vsz->setValue(scene.spot_angle[light]);
    tb_px->setValue(scene.spot_direction_steps[light][0]);
    tb_py->setValue(scene.spot_direction_steps[light][1]);
    tb_pz->setValue(scene.spot_direction_steps[light][2]);
    for (QSlider* track_bar : {tb_vsz, tb_px, tb_py, tb_pz}) {
        track_bar->setEnabled(spot);
    }
    updating_controls = false;

    --select_depth;
}

void Tform_feny::cb_beClick() {
    host_.scene().light_on[current_light] = cb_be->isChecked();
    rb_1Click();
    host_.SetModified(true);
}

void Tform_feny::cb_forgClick() {
    host_.scene().light_rotated[current_light] = cb_forg->isChecked();
    host_.SetModified(true);
}

void Tform_feny::cb_iranyClick() {
    host_.scene().light_indicated[current_light] = cb_irany->isChecked();
    host_.SetModified(true);
}

void Tform_feny::rb_iranyClick() {
    host_.scene().light_position[current_light][3] = rb_poz->isChecked() ? 1.0f : 0.0f;
    rb_1Click();
    host_.SetModified(true);
}

void Tform_feny::tb_xChange() {
    host_.scene().light_position[current_light][0] = lightCoordinate(0, tb_x->value());
    host_.SetModified(true);
}

void Tform_feny::tb_yChange() {
    host_.scene().light_position[current_light][1] = lightCoordinate(1, tb_y->value());
    host_.SetModified(true);
}

void Tform_feny::tb_zChange() {
    host_.scene().light_position[current_light][2] = lightCoordinate(2, tb_z->value());
    host_.SetModified(true);
}

void Tform_feny::cb_spotClick() {
    TSceneState& scene = host_.scene();
    const int light = current_light;
    const bool spotlight = cb_spot->isChecked();
    if (spotlight) {
        tb_vsz->setValue(scene.spot_angle[light]);
    }
    scene.spot_cutoff[light] = spotCutoff(spotlight, scene.spot_angle[light]);
    rb_1Click();
    host_.SetModified(true);
}

void Tform_feny::tb_vszChange() {
    const int position = tb_vsz->value();
    l_vsz->setText(degreeText(position));
    if (updating_controls) {
        return;
    }
    TSceneState& scene = host_.scene();
    scene.spot_angle[current_light] = position;
    scene.spot_cutoff[current_light] = spotCutoff(true, position);
    host_.SetModified(true);
}

// The three steps are never all zero, so the spot direction always has a length: the
// track bar that would make them so pushes another one to 1, whose own change stores
// the direction first.
void Tform_feny::tb_pxChange(QSlider* sender) {
    if (updating_controls) {
        return;
    }
    if (tb_px->value() == 0 && tb_py->value() == 0 && tb_pz->value() == 0) {
        (sender == tb_py ? tb_pz : tb_py)->setValue(1);
    }
    TSceneState& scene = host_.scene();
    const std::array<int32_t, 3> steps = {tb_px->value(), tb_py->value(), tb_pz->value()};
    scene.spot_direction_steps[current_light] = steps;
    scene.spot_direction[current_light] = spotDirectionFromSteps(steps);
    host_.SetModified(true);
}

void Tform_feny::g_globambClick(ColorButton* sender) {
    if (sender->chooseColor(host_.dialogs())) {
        StoreColors();
        host_.SetModified(true);
    }
}

void Tform_feny::StoreColors() {
    TSceneState& scene = host_.scene();
    const int light = current_light;
    const uint32_t global_ambient = g_globamb->color();
    const uint32_t diffuse = g_ldiff->color();
    const uint32_t ambient = g_lamb->color();
    const uint32_t specular = g_lspec->color();
    scene.setColor(kColorGlobalAmbient, global_ambient);
    scene.setColor(lightDiffuseIndex(light), diffuse);
    scene.setColor(lightAmbientIndex(light), ambient);
    scene.setColor(lightSpecularIndex(light), specular);
}

void Tform_feny::g_alapClick() {
    TSceneState& scene = host_.scene();
    current_light = 0;
    g_globamb->setColor(defaultColor(kColorGlobalAmbient));
    g_ldiff->setColor(defaultColor(lightDiffuseIndex(0)));
    g_lamb->setColor(defaultColor(lightAmbientIndex(0)));
    g_lspec->setColor(defaultColor(lightSpecularIndex(0)));
    StoreColors();

    // Each of these runs its handler when it changes, as a user's action would.
    rb_1->setChecked(true);
    cb_be->setEnabled(true);
    cb_forg->setChecked(false);
    rb_irany->setChecked(true);
    cb_irany->setChecked(false);
    tb_x->setValue(defaultLightTrackPosition(0));
    tb_y->setValue(defaultLightTrackPosition(1));
    tb_z->setValue(defaultLightTrackPosition(2));
    cb_spot->setChecked(false);
    tb_vsz->setValue(kDefaultSpotAngle);
    updating_controls = true;
    tb_px->setValue(kDefaultSpotSteps[0]);
    tb_py->setValue(kDefaultSpotSteps[1]);
    tb_pz->setValue(kDefaultSpotSteps[2]);

    for (int light = 0; light < kLightCount; ++light) {
        scene.light_position[light] = defaultLightPosition(light);
        scene.light_on[light] = defaultLightOn(light);
        scene.light_indicated[light] = false;
        scene.light_rotated[light] = false;
        scene.spot_angle[light] = kDefaultSpotAngle;
        scene.spot_cutoff[light] = kNoSpotCutoff;
        scene.spot_direction_steps[light] = kDefaultSpotSteps;
        scene.spot_direction[light] = spotDirectionFromSteps(kDefaultSpotSteps);
    }
    // Light 1's colours came from the buttons; the other lights' come from the table.
    for (int index = lightDiffuseIndex(1); index <= lightSpecularIndex(2); ++index) {
        scene.setColor(index, defaultColor(index));
    }

    rb_1Click();
    host_.SetModified(true);
}

}  // namespace tv
