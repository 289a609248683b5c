// The main window's undo and redo: the history's hooks into the windows, the keys, and
// the signals of the settings that change the document without a step of their own.
#include <QAction>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

#include "app/edit_history.h"
#include "app/fomenu.h"
#include "app/segments_box.h"
#include "toolwin/anyag.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/zoom.h"

namespace tv {

void Tform_fomenu::connectHistory() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{form_zoom, form_mozg, form_forg, form_feny, form_anyag}) {
        for (QSlider* track_bar : window->findChildren<QSlider*>()) {
            track_bars_.push_back(track_bar);
        }
    }
    EditHistory::Hooks hooks{
        [this] { return documentFromWindows(); },
        [this](const ObjectDocument& document) {
            applyDocument(document);
            showDocumentColors();
        },
        [this] {
            return profile.isDragging() ||
                   std::any_of(track_bars_.begin(), track_bars_.end(),
                               [](const QSlider* track_bar) { return track_bar->isSliderDown(); });
        },
        [this](bool modified) { SetModified(modified); }};
    history_ = new EditHistory(std::move(hooks), this);

    // A drag of a track bar is one step, recorded when the knob is let go.
    for (QSlider* track_bar : track_bars_) {
        connect(track_bar, &QSlider::sliderReleased, history_, &EditHistory::settle);
    }
    for (QToolButton* toggle : {g_folytonos, g_kulon, g_ford}) {
        connect(toggle, &QToolButton::toggled, history_, &EditHistory::noteSetting);
    }
    connect(szog, &QSpinBox::valueChanged, history_, &EditHistory::noteSetting);
    connect(list_tip, &QComboBox::currentIndexChanged, history_, &EditHistory::noteSetting);

    // The keys work in the tool windows too; a focused text field keeps its own undo.
    auto* undo_action = new QAction(this);
    undo_action->setShortcut(QKeySequence::Undo);
    undo_action->setShortcutContext(Qt::ApplicationShortcut);
    connect(undo_action, &QAction::triggered, this, &Tform_fomenu::undoEdit);
    addAction(undo_action);
    auto* redo_action = new QAction(this);
    redo_action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo_action->setShortcutContext(Qt::ApplicationShortcut);
    connect(redo_action, &QAction::triggered, this, &Tform_fomenu::redoEdit);
    addAction(redo_action);
}

void Tform_fomenu::undoEdit() {
    history_->undo();
}

void Tform_fomenu::redoEdit() {
    history_->redo();
}

void Tform_fomenu::noteEdit() {
    if (history_ != nullptr) {
        history_->noteEdit();
    }
}

void Tform_fomenu::settleEdit() {
    if (history_ != nullptr) {
        history_->settle();
    }
}

void Tform_fomenu::restartHistory() {
    if (history_ != nullptr) {
        history_->restart();
    }
}

void Tform_fomenu::markHistorySaved() {
    if (history_ != nullptr) {
        history_->markSaved();
    }
}

}  // namespace tv
