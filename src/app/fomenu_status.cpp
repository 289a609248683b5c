// The main window's status bar, frame-rate timer, modified state and caption.
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "app/fomenu.h"
#include "app/segments_box.h"
#include "toolwin/color_button.h"
#include "view3d/frame_rate.h"

namespace tv {

namespace {

// A panel keeps its layout width but grows when its text would not fit.
void showInPanel(QLabel* panel, int layout_width, const QString& shown) {
    panel->setText(shown);
    const int needed = panel->fontMetrics().horizontalAdvance(shown) + 2 * panel->frameWidth() + 6;
    panel->setFixedWidth(std::max(layout_width, needed));
}

}  // namespace

void Tform_fomenu::TimerTimer() {
    if (frameRateTick(frames)) {
        showInPanel(status_panels[1], 50,
                    QStringLiteral("%1 %2").arg(qRound(frames.fps_average)).arg(uiText(kTextFps)));
    }
    showInPanel(status_panels[3], 50,
                QStringLiteral("%1 %2").arg(profile.pointCount()).arg(uiText(kTextPoints)));
}

void Tform_fomenu::StatusHint(const QString& hint) {
    status_panels[0]->setText(hint);
}

bool Tform_fomenu::IsModified() const {
    return !status_panels[2]->text().isEmpty();
}

void Tform_fomenu::SetModified(bool flag) {
    status_panels[2]->setText(flag ? uiText(kTextModified) : QString());
    if (flag) {
        noteEdit();
    }
}

void Tform_fomenu::updateCaption() {
    const QString name = untitled ? uiText(kTextUntitled) : file_name;
    setWindowTitle(QStringLiteral("OpenGL Torvelle [%1]").arg(name));
}

Axis Tform_fomenu::axis() const {
    return g_x->isChecked() ? Axis::X : Axis::Y;
}

bool Tform_fomenu::separateMode() const {
    return g_kulon->isChecked();
}

bool Tform_fomenu::snapping() const {
    return g_racs->isChecked() && g_igazit->isChecked();
}

int Tform_fomenu::displayMode() const {
    return list_tip->currentIndex();
}

int Tform_fomenu::segments() const {
    // While the user types, the text counts as it stands.
    return szog->typedValue();
}

void Tform_fomenu::setObjectButtonColor(uint32_t color) {
    g_obj->setColor(color);
}

void Tform_fomenu::toolWindowClosed(ToolWindowId id) {
    QToolButton* button = nullptr;
    switch (id) {
        case ToolWindowId::Zoom:
            button = g_zoom;
            break;
        case ToolWindowId::Move:
            button = g_mozg;
            break;
        case ToolWindowId::Rotate:
            button = g_forg;
            break;
        case ToolWindowId::Light:
            button = g_feny;
            break;
        case ToolWindowId::Material:
            button = g_anyag;
            break;
    }
    button->setChecked(false);
}

}  // namespace tv
