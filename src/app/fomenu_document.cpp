// The main window's commands on the document as a whole: New, Exit and the close of
// the window with the question about unsaved changes, the reset of the 3D settings, the
// background and object colours, the About box; and the 3D view's switches.
#include <QCloseEvent>
#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>

#include "app/fomenu.h"
#include "app/segments_box.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/nevjegy.h"
#include "toolwin/zoom.h"
#include "view3d/scene_controls.h"
#include "view3d/view3d_widget.h"

namespace tv {

bool Tform_fomenu::mayDiscardChanges() {
    if (!IsModified()) {
        return true;
    }
    const MsgResult answer = dialogs().message(uiText(kTextSaveChanges), uiText(kTextConfirm),
                                               MsgIcon::Question, MsgButtons::YesNoCancel);
    switch (answer) {
        case MsgResult::No:
            return true;
        // Changes are never lost: when the save does not happen (its dialog was
        // cancelled or the write failed), the command stops as if Cancel was pressed.
        case MsgResult::Yes:
            return g_mentClick(g_ment);
        default:
            return false;
    }
}

void Tform_fomenu::g_ujClick() {
    if (!mayDiscardChanges()) {
        return;
    }
    SetModified(false);
    profile.clear();
    untitled = true;
    updateCaption();
    gc2dPaint();
    restartHistory();
}

void Tform_fomenu::closeEvent(QCloseEvent* event) {
    bool can_close = true;
    FormCloseQuery(can_close);
    if (can_close) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Tform_fomenu::FormCloseQuery(bool& can_close) {
    can_close = mayDiscardChanges();
}

void Tform_fomenu::g_alapClick() {
    if (dialogs().message(uiText(kTextResetQuestion), uiText(kTextConfirm), MsgIcon::Question,
                          MsgButtons::YesNo) != MsgResult::Yes) {
        return;
    }
    {
        const QSignalBlocker quiet(list_tip);
        list_tip->setCurrentIndex(kDefaultDisplayMode < list_tip->count() ? kDefaultDisplayMode
                                                                          : -1);
    }
    const uint32_t background = defaultColor(kColorBackground);
    g_hatter->setColor(background);
    scene_state.setColor(kColorBackground, background);
    szog->setValue(kDefaultSegments);
    form_zoom->g_alapClick();
    form_mozg->g_alapClick();
    form_forg->g_alapClick();
    form_anyag->g_alapClick();
    form_feny->g_alapClick();
    g_tengely->setChecked(false);
    g_norm->setChecked(false);
}

void Tform_fomenu::g_hatterClick(ColorButton* sender) {
    if (!sender->chooseColor(dialogs())) {
        return;
    }
    const uint32_t chosen = sender->color();
    if (sender == g_hatter) {
        scene_state.setColor(kColorBackground, chosen);
    } else {
        scene_state.setColor(kColorObject, chosen);
        form_anyag->g_mdiff->setColor(chosen);
    }
    SetModified(true);
}

void Tform_fomenu::g_nevjegyClick() {
    const RenderingPause pause(gl_view);
    form_nevjegy->exec();
}

void Tform_fomenu::list_tipChange() {
    form_anyag->UpdateEnabledState();
    form_feny->rb_1Click();
}

void Tform_fomenu::g_tengelyClick() {
    SetModified(true);
}

void Tform_fomenu::toggleToolWindow(QToolButton* button) {
    QWidget* window = button == g_zoom    ? static_cast<QWidget*>(form_zoom)
                      : button == g_mozg  ? static_cast<QWidget*>(form_mozg)
                      : button == g_forg  ? static_cast<QWidget*>(form_forg)
                      : button == g_anyag ? static_cast<QWidget*>(form_anyag)
                                          : static_cast<QWidget*>(form_feny);
    window->setVisible(button->isChecked());
}

}  // namespace tv
