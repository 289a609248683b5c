// The material window: its reset, transparency carried into every material colour, the
// highlight mapping, the enabled state by display mode and the colour buttons.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>

#include "fake_tool_host.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"

namespace tv {
namespace {

class AnyagTest : public ::testing::Test {
  protected:
    AnyagTest() {
        window.g_alapClick();
        host.clearModified();
    }

    test::FakeToolHost host;
    QMainWindow main_window;
    Tform_anyag window{host, &main_window};
};

TEST_F(AnyagTest, ResetGivesTheDefaultMaterial) {
    const TSceneState& s = host.state;
    EXPECT_EQ(s.colors[1], 0xFF8000);
    EXPECT_EQ(s.colors[2], 0x505050);
    EXPECT_EQ(s.colors[3], 0x000000);
    EXPECT_EQ(s.material_diffuse, (Rgba{0.0f, 128 / 255.0f, 1.0f, 1.0f}));
    EXPECT_EQ(s.material_ambient, (Rgba{80 / 255.0f, 80 / 255.0f, 80 / 255.0f, 1.0f}));
    EXPECT_EQ(s.material_specular, (Rgba{0.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_FLOAT_EQ(s.material_shininess, 100.0f);
    EXPECT_FLOAT_EQ(s.opacity, 1.0f);
    EXPECT_EQ(host.object_button_color, 0xFF8000u);
    EXPECT_EQ(window.atl->text(), "0%");

    window.tb_atl->setValue(40);
    window.tb_mshininess->setValue(60);
    window.g_mspec->setColor(0x123456);
    host.clearModified();
    window.g_alapClick();
    EXPECT_EQ(window.tb_atl->value(), 0);
    EXPECT_EQ(window.atl->text(), "0%");
    EXPECT_EQ(window.tb_mshininess->value(), 5);
    EXPECT_FLOAT_EQ(host.state.opacity, 1.0f);
    EXPECT_FLOAT_EQ(host.state.material_shininess, 100.0f);
    EXPECT_EQ(host.state.colors[3], 0);
    EXPECT_EQ(host.state.material_diffuse[3], 1.0f);
    EXPECT_TRUE(host.modified);
}

TEST_F(AnyagTest, TransparencyCarriesIntoTheAlphaOfAllMaterialColours) {
    window.tb_atl->setValue(100);
    EXPECT_FLOAT_EQ(host.state.opacity, 0.0f);
    EXPECT_EQ(window.atl->text(), "100%");
    EXPECT_EQ(host.state.material_diffuse[3], 0.0f);
    EXPECT_EQ(host.state.material_ambient[3], 0.0f);
    EXPECT_EQ(host.state.material_specular[3], 0.0f);
    EXPECT_TRUE(host.modified);

    window.tb_atl->setValue(0);
    EXPECT_EQ(host.state.opacity, 1.0f);
    EXPECT_EQ(host.state.material_diffuse[3], 1.0f);
    EXPECT_EQ(host.state.material_ambient[3], 1.0f);
    EXPECT_EQ(host.state.material_specular[3], 1.0f);

    window.tb_atl->setValue(1);
    EXPECT_FLOAT_EQ(host.state.opacity, 0.99f);
    EXPECT_LT(host.state.opacity, 1.0f);
}

TEST_F(AnyagTest, LargerLightspotGivesSmallerShininess) {
    window.tb_mshininess->setValue(100);
    EXPECT_FLOAT_EQ(host.state.material_shininess, 5.0f);
    window.tb_mshininess->setValue(30);
    EXPECT_FLOAT_EQ(host.state.material_shininess, 75.0f);
    EXPECT_TRUE(host.modified);
}

TEST_F(AnyagTest, OnlyTransparencyAndObjectColourActUnlit) {
    host.display_mode = 1;
    window.UpdateEnabledState();
    EXPECT_TRUE(window.tb_atl->isEnabled());
    EXPECT_TRUE(window.g_mdiff->isEnabled());
    EXPECT_FALSE(window.g_mamb->isEnabled());
    EXPECT_FALSE(window.g_mspec->isEnabled());
    EXPECT_FALSE(window.tb_mshininess->isEnabled());

    host.display_mode = 3;
    window.UpdateEnabledState();
    EXPECT_TRUE(window.g_mamb->isEnabled());
    EXPECT_TRUE(window.g_mspec->isEnabled());
    EXPECT_TRUE(window.tb_mshininess->isEnabled());

    host.display_mode = -1;
    window.g_alapClick();
    EXPECT_FALSE(window.tb_mshininess->isEnabled());
}

TEST_F(AnyagTest, ChosenDiffuseColourAlsoColoursTheObjectButton) {
    window.tb_atl->setValue(50);
    host.scripted_dialogs.color_answers.push_back(0x00FF0000u);
    window.g_mdiff->click();
    ASSERT_EQ(host.scripted_dialogs.color_requests.size(), 1u);
    EXPECT_EQ(host.scripted_dialogs.color_requests[0], 0xFF8000u);
    EXPECT_EQ(window.g_mdiff->color(), 0xFF0000u);
    EXPECT_EQ(host.state.colors[1], 0xFF0000);
    EXPECT_EQ(host.state.material_diffuse, (Rgba{0.0f, 0.0f, 1.0f, 0.5f}));
    EXPECT_EQ(host.object_button_color, 0xFF0000u);
    EXPECT_TRUE(host.modified);
}

TEST_F(AnyagTest, CancelledColourDialogChangesNothing) {
    host.display_mode = 2;
    window.UpdateEnabledState();
    host.object_button_color.reset();
    const TSceneState before = host.state;
    host.scripted_dialogs.color_answers.push_back(std::nullopt);
    window.g_mamb->click();
    EXPECT_EQ(host.scripted_dialogs.color_requests.size(), 1u);
    EXPECT_EQ(window.g_mamb->color(), 0x505050u);
    EXPECT_EQ(host.state.colors, before.colors);
    EXPECT_FALSE(host.object_button_color.has_value());
    EXPECT_FALSE(host.modified);
}

}  // namespace
}  // namespace tv
