#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "app_fixture.h"
#include "lang/component_table.h"
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

// True when `widget` is a control of the kind a component number of `kind` needs.
bool isOfKind(const QWidget* widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::None:
            return false;
        case ControlKind::SpeedButton:
            return qobject_cast<const QToolButton*>(widget) != nullptr;
        case ControlKind::Label:
            return qobject_cast<const QLabel*>(widget) != nullptr;
        case ControlKind::DropDownList:
            return qobject_cast<const QComboBox*>(widget) != nullptr;
        case ControlKind::SpinEdit:
            return qobject_cast<const QSpinBox*>(widget) != nullptr;
        case ControlKind::TrackBar:
            return qobject_cast<const QSlider*>(widget) != nullptr;
        case ControlKind::Window:
            return widget->isWindow() || widget->inherits("QDockWidget");
        case ControlKind::RadioButton:
            return qobject_cast<const QRadioButton*>(widget) != nullptr;
        case ControlKind::CheckBox:
            return qobject_cast<const QCheckBox*>(widget) != nullptr;
    }
    return false;
}

// The class name of the program's window that `widget` is, or belongs to.
std::string formOf(const QObject* widget) {
    for (const QObject* o = widget; o != nullptr; o = o->parent()) {
        const std::string name = o->metaObject()->className();
        if (name.find("Tform_") != std::string::npos) {
            return name.substr(name.find("Tform_"));
        }
    }
    return {};
}

TEST_F(WiringTest, EachComponentSlotHoldsTheControlItsNumberNames) {
    const ComponentSlots& table = form.componentSlots();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ComponentSlot& entry = componentSlot(slot);
        const QWidget* widget = table[static_cast<size_t>(slot)];
        SCOPED_TRACE("slot " + std::to_string(slot) + " " + entry.name);
        if (entry.kind == ControlKind::None) {
            EXPECT_EQ(widget, nullptr);
            continue;
        }
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName().toStdString(), entry.name);
        EXPECT_EQ(formOf(widget), formClassName(entry.form));
        EXPECT_TRUE(isOfKind(widget, entry.kind));
    }
}

TEST_F(WiringTest, ToggleButtonsShowAndHideTheirWindowsAndCloseRaisesThem) {
    const std::vector<std::pair<QToolButton*, QWidget*>> pairs = {
        {button("g_zoom"), child<Tform_zoom>("form_zoom")},
        {button("g_mozg"), child<Tform_mozg>("form_mozg")},
        {button("g_forg"), child<Tform_forg>("form_forg")},
        {button("g_anyag"), child<Tform_anyag>("form_anyag")},
        {button("g_feny"), child<Tform_feny>("form_feny")}};
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
    const Tform_anyag* form_anyag = child<Tform_anyag>("form_anyag");
    const Tform_feny* form_feny = child<Tform_feny>("form_feny");
    EXPECT_FALSE(form_anyag->g_mamb->isEnabled());
    EXPECT_FALSE(form_feny->cb_be->isEnabled());
    child<QComboBox>("list_tip")->setCurrentIndex(2);
    EXPECT_TRUE(form_anyag->g_mamb->isEnabled());
    EXPECT_TRUE(form_anyag->tb_mshininess->isEnabled());
    EXPECT_TRUE(form_feny->cb_be->isEnabled());
    EXPECT_TRUE(form_feny->rb_2->isEnabled());
    child<QComboBox>("list_tip")->setCurrentIndex(1);
    EXPECT_FALSE(form_anyag->g_mspec->isEnabled());
    EXPECT_TRUE(form_anyag->tb_atl->isEnabled());
    child<QSpinBox>("szog")->setValue(20);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(WiringTest, AxesAndNormalsTogglesMarkModified) {
    button("g_tengely")->click();
    EXPECT_TRUE(form.IsModified());
    form.SetModified(false);
    button("g_norm")->click();
    EXPECT_TRUE(form.IsModified());
}

TEST_F(WiringTest, ToolWindowsWriteTheSceneTheViewReads) {
    Tform_zoom* form_zoom = child<Tform_zoom>("form_zoom");
    form_zoom->tb_zoom->setValue(300);
    EXPECT_DOUBLE_EQ(form.scene().zoom_factor, 3.0);
    EXPECT_EQ(form_zoom->zoom->text(), QStringLiteral("300%"));
    child<Tform_forg>("form_forg")->g_fymClick();
    child<Tform_forg>("form_forg")->g_fymClick();
    EXPECT_FLOAT_EQ(form.scene().rotate_step_y, 15.0f);
    EXPECT_TRUE(form.IsModified());
}

TEST_F(WiringTest, AboutBoxLinksGoToTheDesktop) {
    Tform_nevjegy* form_nevjegy = child<Tform_nevjegy>("form_nevjegy");
    std::vector<QUrl> opened;
    form_nevjegy->open_url = [&](const QUrl& url) { opened.push_back(url); };
    // Only the left button follows a link.
    for (QLabel* link : {form_nevjegy->l_email_, form_nevjegy->l_honlap_}) {
        const size_t before = opened.size();
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
        EXPECT_EQ(opened.size(), before);
        QTest::mouseClick(link, Qt::LeftButton);
    }
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].toString(), QStringLiteral("mailto:") + form_nevjegy->l_email_->text());
    EXPECT_EQ(opened[1].toString(), form_nevjegy->l_honlap_->text());
    EXPECT_EQ(form_nevjegy->size(), QSize(364, 247));
    EXPECT_EQ(form_nevjegy->windowTitle(), QStringLiteral("About"));
}

}  // namespace
}  // namespace tv
