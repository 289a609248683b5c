// The keys of the file band's commands. Each key clicks its button, so that it runs the
// same handler the button runs; the button keeps the key for its tool tip.
#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>

#include "app/fomenu.h"
#include "app/widget_language_target.h"

namespace tv {

void Tform_fomenu::installFileShortcuts() {
    const std::pair<QToolButton*, QKeySequence> keys[] = {
        {g_uj, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {g_megnyit, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {g_ment, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {g_mentmaskent, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {g_kilep, QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& entry : keys) {
        QToolButton* button = entry.first;
        // Application-wide, so that the keys work while a floating tool window has the
        // focus; a modal window still blocks them.
        new QShortcut(
            entry.second, this, [button] { button->click(); }, Qt::ApplicationShortcut);
        button->setProperty(kShortcutProperty, entry.second);
    }
}

}  // namespace tv
