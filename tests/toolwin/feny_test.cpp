// The light window: its reset, loading a light into the controls with the enabled states
// of the display mode, the short and tall window, the spotlight, the spot-direction rule,
// the track-bar ranges and the colour buttons.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <cmath>
#include <limits>

#include "fake_tool_host.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"

namespace tv {
namespace {

class FenyTest : public ::testing::Test {
  protected:
    FenyTest() {
        window.g_alapClick();
        host.clearModified();
    }

    // The display mode changes to a lit one and the window follows it.
    void light_up() {
        host.display_mode = 2;
        window.rb_1Click();
        host.clearModified();
    }

    // The first light becomes a positioned spotlight.
    void make_spotlight() {
        light_up();
        window.rb_poz->setChecked(true);
        window.cb_spot->setChecked(true);
        host.clearModified();
    }

    std::vector<QWidget*> light_controls() const {
        return {window.cb_forg, window.cb_irany, window.rb_irany, window.rb_poz, window.g_ldiff,
                window.g_lamb,  window.g_lspec,  window.tb_x,     window.tb_y,   window.tb_z,
                window.cb_spot, window.tb_vsz,   window.tb_px,    window.tb_py,  window.tb_pz};
    }

    test::FakeToolHost host;
    QMainWindow main_window;
    Tform_feny window{host, &main_window};
};

TEST_F(FenyTest, ResetGivesTheDefaultLights) {
    const TSceneState& s = host.state;
    EXPECT_EQ(s.colors[4], 0x808080);
    EXPECT_EQ(s.colors[5], 0xCCCCCC);
    EXPECT_EQ(s.colors[6], 0x333333);
    EXPECT_EQ(s.colors[7], 0xFFFFFF);
    for (int i = 8; i <= 13; ++i) {
        EXPECT_EQ(s.colors[i], 0) << i;
    }
    EXPECT_EQ(s.global_ambient, (Rgba{128 / 255.0f, 128 / 255.0f, 128 / 255.0f, 1.0f}));
    EXPECT_EQ(s.light_diffuse[0], (Rgba{0.8f, 0.8f, 0.8f, 1.0f}));
    EXPECT_EQ(s.light_ambient[0], (Rgba{0.2f, 0.2f, 0.2f, 1.0f}));
    EXPECT_EQ(s.light_specular[0], (Rgba{1.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_EQ(s.light_position[0], (Rgba{-1.0f, 1.0f, 1.0f, 0.0f}));
    EXPECT_TRUE(s.light_on[0]);
    for (int light = 1; light < 3; ++light) {
        EXPECT_EQ(s.light_diffuse[light], (Rgba{0.0f, 0.0f, 0.0f, 1.0f}));
        EXPECT_EQ(s.light_specular[light], (Rgba{0.0f, 0.0f, 0.0f, 1.0f}));
        EXPECT_EQ(s.light_position[light], (Rgba{0.0f, 0.1f, 1.0f, 0.0f}));
        EXPECT_FALSE(s.light_on[light]);
    }
    for (int light = 0; light < 3; ++light) {
        EXPECT_FALSE(s.light_rotated[light]);
        EXPECT_FALSE(s.light_indicated[light]);
        EXPECT_EQ(s.spot_angle[light], 45);
        EXPECT_EQ(s.spot_cutoff[light], 180.0f);
        EXPECT_EQ(s.spot_direction_steps[light], (std::array<int32_t, 3>{0, 0, -10}));
        EXPECT_EQ(s.spot_direction[light], (std::array<float, 3>{0.0f, 0.0f, -1.0f}));
    }
    EXPECT_EQ(window.current_light, 0);
    EXPECT_TRUE(window.rb_1->isChecked());
    EXPECT_EQ(window.tb_x->value(), -10);
    EXPECT_EQ(window.tb_y->value(), -10);
    EXPECT_EQ(window.tb_z->value(), 10);
    EXPECT_EQ(window.fixedClientHeight(), Tform_feny::kShortClientHeight);
}

TEST_F(FenyTest, ResetFromAnyStateReturnsToTheFirstLightAndMarks) {
    make_spotlight();
    window.tb_vsz->setValue(20);
    window.rb_3->setChecked(true);
    window.cb_be->setChecked(true);
    window.rb_poz->setChecked(true);
    window.tb_x->setValue(15);
    host.clearModified();

    window.g_alapClick();
    EXPECT_EQ(window.current_light, 0);
    EXPECT_TRUE(window.rb_1->isChecked());
    EXPECT_TRUE(window.rb_irany->isChecked());
    EXPECT_FALSE(window.cb_spot->isChecked());
    EXPECT_EQ(window.tb_vsz->value(), 45);
    EXPECT_EQ(window.fixedClientHeight(), Tform_feny::kShortClientHeight);
    EXPECT_EQ(host.state.spot_cutoff[0], 180.0f);
    EXPECT_EQ(host.state.spot_angle[0], 45);
    EXPECT_FALSE(host.state.light_on[2]);
    EXPECT_EQ(host.state.light_position[2], (Rgba{0.0f, 0.1f, 1.0f, 0.0f}));
    EXPECT_TRUE(host.modified);

    // The direction track bars write again once the reset is over.
    window.tb_px->setValue(5);
    EXPECT_EQ(host.state.spot_direction_steps[0], (std::array<int32_t, 3>{5, 0, -10}));
}

TEST_F(FenyTest, UnlitModesDisableEverythingButTheReset) {
    EXPECT_TRUE(window.g_alap->isEnabled());
    EXPECT_FALSE(window.g_globamb->isEnabled());
    EXPECT_FALSE(window.rb_1->isEnabled());
    EXPECT_FALSE(window.cb_be->isEnabled());
    for (QWidget* control : light_controls()) {
        EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();
    }

    host.display_mode = 2;
    window.rb_1Click();
    EXPECT_FALSE(host.modified);  // nothing differed from the scene state
    EXPECT_TRUE(window.g_globamb->isEnabled());
    EXPECT_TRUE(window.rb_3->isEnabled());
    EXPECT_TRUE(window.cb_be->isEnabled());
    EXPECT_TRUE(window.tb_x->isEnabled());
    EXPECT_TRUE(window.g_lspec->isEnabled());
    EXPECT_TRUE(window.rb_poz->isEnabled());
    EXPECT_FALSE(window.cb_spot->isEnabled());  // directional
}

TEST_F(FenyTest, SecondLightAfterStartUpIsOffAndShort) {
    host.display_mode = 3;
    window.rb_1Click();
    window.rb_2->setChecked(true);
    EXPECT_EQ(window.current_light, 1);
    EXPECT_FALSE(window.cb_be->isChecked());
    EXPECT_TRUE(window.cb_be->isEnabled());
    for (QWidget* control : light_controls()) {
        EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();
    }
    EXPECT_EQ(window.g_ldiff->color(), 0u);
    EXPECT_EQ(window.g_lamb->color(), 0u);
    EXPECT_EQ(window.g_lspec->color(), 0u);
    EXPECT_EQ(window.tb_x->value(), 0);
    EXPECT_EQ(window.tb_y->value(), -1);
    EXPECT_EQ(window.tb_z->value(), 10);
    EXPECT_EQ(window.fixedClientHeight(), Tform_feny::kShortClientHeight);
    // The controls that differ from light 1 wrote light 2's own values back.
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.state.light_position[1], (Rgba{0.0f, 0.1f, 1.0f, 0.0f}));
    EXPECT_EQ(host.state.light_position[0], (Rgba{-1.0f, 1.0f, 1.0f, 0.0f}));
    EXPECT_FALSE(host.state.light_on[1]);

    window.cb_be->setChecked(true);
    EXPECT_TRUE(host.state.light_on[1]);
    EXPECT_TRUE(window.tb_x->isEnabled());
    EXPECT_TRUE(window.g_ldiff->isEnabled());
}

TEST_F(FenyTest, SwitchingALightOffKeepsItsSettings) {
    light_up();
    window.tb_x->setValue(7);
    window.cb_irany->setChecked(true);
    window.cb_be->setChecked(false);
    EXPECT_FALSE(host.state.light_on[0]);
    EXPECT_FALSE(window.tb_x->isEnabled());
    EXPECT_FALSE(window.cb_irany->isEnabled());

    window.cb_be->setChecked(true);
    EXPECT_EQ(window.tb_x->value(), 7);
    EXPECT_FLOAT_EQ(host.state.light_position[0][0], 0.7f);
    EXPECT_TRUE(window.cb_irany->isChecked());
    EXPECT_TRUE(host.state.light_indicated[0]);
}

TEST_F(FenyTest, PositionedLightMakesTheWindowTall) {
    light_up();
    window.rb_poz->setChecked(true);
    EXPECT_EQ(host.state.light_position[0][3], 1.0f);
    EXPECT_EQ(window.fixedClientHeight(), Tform_feny::kTallClientHeight);
    EXPECT_EQ(window.clientArea()->height(), Tform_feny::kTallClientHeight);
    EXPECT_EQ(window.l_feny->y(), 42);
    EXPECT_TRUE(window.cb_spot->isEnabled());
    EXPECT_FALSE(window.tb_vsz->isEnabled());
    EXPECT_TRUE(host.modified);

    window.rb_irany->setChecked(true);
    EXPECT_EQ(host.state.light_position[0][3], 0.0f);
    EXPECT_EQ(window.clientArea()->height(), Tform_feny::kShortClientHeight);
    EXPECT_EQ(window.l_feny->y(), 16);
}

TEST_F(FenyTest, DirectionalLightTurnsItsSpotlightOffAndKeepsTheAngle) {
    make_spotlight();
    EXPECT_EQ(host.state.spot_cutoff[0], 45.0f);
    EXPECT_TRUE(window.tb_vsz->isEnabled());
    window.tb_vsz->setValue(30);
    EXPECT_EQ(window.l_vsz->text(), QStringLiteral("30°"));
    EXPECT_EQ(host.state.spot_angle[0], 30);
    EXPECT_EQ(host.state.spot_cutoff[0], 30.0f);

    window.rb_irany->setChecked(true);
    EXPECT_EQ(host.state.spot_cutoff[0], 180.0f);
    EXPECT_EQ(host.state.spot_angle[0], 30);
    EXPECT_FALSE(window.cb_spot->isChecked());

    window.rb_poz->setChecked(true);
    EXPECT_FALSE(window.cb_spot->isChecked());
    EXPECT_EQ(window.tb_vsz->value(), 30);
    EXPECT_EQ(host.state.spot_cutoff[0], 180.0f);

    window.cb_spot->setChecked(true);
    EXPECT_EQ(host.state.spot_cutoff[0], 30.0f);
}

TEST_F(FenyTest, LoadingALightShowsItsAngleWithoutWritingIt) {
    make_spotlight();
    host.state.light_on[1] = true;
    host.state.light_position[1][3] = 1.0f;
    host.state.spot_angle[1] = 60;
    host.state.spot_cutoff[1] = 180.0f;
    host.state.spot_direction_steps[1] = {3, -4, 0};
    window.rb_2->setChecked(true);
    EXPECT_EQ(window.tb_vsz->value(), 60);
    EXPECT_EQ(window.l_vsz->text(), QStringLiteral("60°"));
    EXPECT_EQ(window.tb_py->value(), -4);
    EXPECT_EQ(host.state.spot_cutoff[1], 180.0f);
    EXPECT_EQ(host.state.spot_angle[0], 45);
    EXPECT_EQ(host.state.spot_cutoff[0], 45.0f);
    EXPECT_EQ(host.state.spot_direction_steps[0], (std::array<int32_t, 3>{0, 0, -10}));
}

TEST_F(FenyTest, SpotDirectionNeverBecomesZero) {
    make_spotlight();
    const auto& steps = host.state.spot_direction_steps[0];
    const auto& direction = host.state.spot_direction[0];

    window.tb_pz->setValue(0);  // from tb_pz: tb_py takes the 1
    EXPECT_EQ(window.tb_py->value(), 1);
    EXPECT_EQ(steps, (std::array<int32_t, 3>{0, 1, 0}));
    EXPECT_EQ(direction, (std::array<float, 3>{0.0f, -1.0f, 0.0f}));

    window.tb_py->setValue(0);  // from tb_py: tb_pz takes the 1
    EXPECT_EQ(window.tb_pz->value(), 1);
    EXPECT_EQ(steps, (std::array<int32_t, 3>{0, 0, 1}));
    EXPECT_EQ(direction, (std::array<float, 3>{0.0f, 0.0f, 1.0f}));

    window.tb_px->setValue(4);
    window.tb_pz->setValue(0);
    window.tb_px->setValue(0);  // from tb_px: tb_py takes the 1
    EXPECT_EQ(steps, (std::array<int32_t, 3>{0, 1, 0}));
    EXPECT_EQ(direction, (std::array<float, 3>{0.0f, -1.0f, 0.0f}));
    EXPECT_TRUE(host.modified);
}

TEST_F(FenyTest, SpotDirectionIsNormalisedWithTheYStepReversed) {
    make_spotlight();
    window.tb_pz->setValue(0);
    window.tb_px->setValue(3);
    window.tb_py->setValue(-4);
    EXPECT_EQ(host.state.spot_direction_steps[0], (std::array<int32_t, 3>{3, -4, 0}));
    EXPECT_FLOAT_EQ(host.state.spot_direction[0][0], 0.6f);
    EXPECT_FLOAT_EQ(host.state.spot_direction[0][1], 0.8f);
    EXPECT_FLOAT_EQ(host.state.spot_direction[0][2], 0.0f);
}

TEST_F(FenyTest, PositionTrackBarsGiveTenthsWithYReversed) {
    light_up();
    window.tb_y->setValue(-20);
    EXPECT_EQ(host.state.light_position[0][1], 2.0f);
    window.tb_x->setValue(3);
    EXPECT_EQ(host.state.light_position[0][0], 0.3f);
    window.tb_z->setValue(-17);
    EXPECT_EQ(host.state.light_position[0][2], -1.7f);
    EXPECT_TRUE(host.modified);
}

TEST_F(FenyTest, OutOfRangePositionIsClampedWhenTheKnobMoves) {
    light_up();
    host.state.light_position[0][0] = 3.0f;
    window.rb_1Click();
    EXPECT_EQ(window.tb_x->value(), 20);
    EXPECT_EQ(host.state.light_position[0][0], 2.0f);

    // Not a number (a damaged file) puts the knob at the minimum instead of failing.
    host.state.light_position[0][2] = std::numeric_limits<float>::quiet_NaN();
    window.rb_1Click();
    EXPECT_EQ(window.tb_z->value(), -20);
    EXPECT_EQ(host.state.light_position[0][2], -2.0f);
}

TEST_F(FenyTest, ColourButtonsStoreIntoTheChosenLight) {
    light_up();
    window.rb_3->setChecked(true);
    window.cb_be->setChecked(true);
    host.clearModified();

    host.scripted_dialogs.color_answers.push_back(0x0000FF00u);
    window.g_lamb->click();
    EXPECT_EQ(host.scripted_dialogs.color_requests.back(), 0u);
    EXPECT_EQ(host.state.colors[12], 0x00FF00);
    EXPECT_EQ(host.state.light_ambient[2], (Rgba{0.0f, 1.0f, 0.0f, 1.0f}));
    EXPECT_EQ(host.state.colors[6], 0x333333);
    EXPECT_TRUE(host.modified);

    host.scripted_dialogs.color_answers.push_back(0x00000080u);
    window.g_globamb->click();
    EXPECT_EQ(host.state.colors[4], 0x80);
    EXPECT_EQ(host.state.global_ambient, (Rgba{128 / 255.0f, 0.0f, 0.0f, 1.0f}));

    window.rb_1->setChecked(true);
    EXPECT_EQ(window.g_lamb->color(), 0x333333u);
    window.rb_3->setChecked(true);
    EXPECT_EQ(window.g_lamb->color(), 0x00FF00u);
}

TEST_F(FenyTest, CancelledColourDialogChangesNothing) {
    light_up();
    const TSceneState before = host.state;
    host.scripted_dialogs.color_answers.push_back(std::nullopt);
    window.g_ldiff->click();
    EXPECT_EQ(host.scripted_dialogs.color_requests.size(), 1u);
    EXPECT_EQ(window.g_ldiff->color(), 0xCCCCCCu);
    EXPECT_EQ(host.state.colors, before.colors);
    EXPECT_EQ(host.state.light_diffuse, before.light_diffuse);
    EXPECT_FALSE(host.modified);
}

}  // namespace
}  // namespace tv
