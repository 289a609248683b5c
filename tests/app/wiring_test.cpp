#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "app_fixture.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/nevjegy.h"
#include "toolwin/zoom.h"

namespace tv {
namespace {

using WiringTest = test::AppFixture;

TEST_F(WiringTest, ToggleButtonsShowAndHideTheirWindowsAndCloseRaisesThem) {
    const std::vector<std::pair<QToolButton*, QWidget*>> pairs = {{form.g_zoom, form.form_zoom},
                                                                  {form.g_mozg, form.form_mozg},
                                                                  {form.g_forg, form.form_forg},
                                                                  {form.g_anyag, form.form_anyag},
                                                                  {form.g_feny, form.form_feny}};
    for (const auto& [button, window] : pairs) {
        EXPECT_FALSE(window->isVisible());
        button->click();
        EXPECT_TRUE(window->isVisible());
        button->click();
        EXPECT_FALSE(window->isVisible());
        button->click();
        window->close();
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(button->isChecked());
    }
    EXPECT_FALSE(form.IsModified());
}

TEST_F(WiringTest, DisplayModeEnablesTheLitControlsWithoutMarkingModified) {
    EXPECT_FALSE(form.form_anyag->g_mamb->isEnabled());
    EXPECT_FALSE(form.form_feny->cb_be->isEnabled());
    form.list_tip->setCurrentIndex(2);
    EXPECT_TRUE(form.form_anyag->g_mamb->isEnabled());
    EXPECT_TRUE(form.form_anyag->tb_mshininess->isEnabled());
    EXPECT_TRUE(form.form_feny->cb_be->isEnabled());
    EXPECT_TRUE(form.form_feny->rb_2->isEnabled());
    form.list_tip->setCurrentIndex(1);
    EXPECT_FALSE(form.form_anyag->g_mspec->isEnabled());
    EXPECT_TRUE(form.form_anyag->tb_atl->isEnabled());
    form.szog->setValue(20);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(WiringTest, AxesAndNormalsTogglesMarkModified) {
    form.g_tengely->click();
    EXPECT_TRUE(form.IsModified());
    form.SetModified(false);
    form.g_norm->click();
    EXPECT_TRUE(form.IsModified());
}

TEST_F(WiringTest, ToolWindowsWriteTheSceneTheViewReads) {
    form.form_zoom->tb_zoom->setValue(300);
    EXPECT_DOUBLE_EQ(form.scene_state.zoom_factor, 3.0);
    EXPECT_EQ(form.form_zoom->zoom->text(), QStringLiteral("300%"));
    form.form_forg->g_fymClick();
    form.form_forg->g_fymClick();
    EXPECT_FLOAT_EQ(form.scene_state.rotate_step_y, 15.0f);
    EXPECT_TRUE(form.IsModified());
}

TEST_F(WiringTest, AboutBoxLinksGoToTheDesktop) {
    std::vector<QUrl> opened;
    form.form_nevjegy->open_url = [&](const QUrl& url) { opened.push_back(url); };
    form.form_nevjegy->l_emailClick();
    form.form_nevjegy->l_honlapClick();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].toString(),
              QStringLiteral("mailto:") + form.form_nevjegy->l_email_->text());
    EXPECT_EQ(opened[1].toString(), form.form_nevjegy->l_honlap_->text());
    EXPECT_EQ(form.form_nevjegy->size(), QSize(364, 247));
    EXPECT_EQ(form.form_nevjegy->windowTitle(), QStringLiteral("About"));
}

}  // namespace
}  // namespace tv
