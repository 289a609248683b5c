#include "app/widget_language_target.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>

#include "lang/hint_text.h"
#include "lang/language_names.h"
#include "toolwin/speed_button.h"

namespace tv {

namespace {

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void setWidgetHint(QWidget* widget, const std::string& hint) {
    const HintParts parts = splitHint(hint);
    QString tool_tip = fromUtf8(parts.tool_tip);
    const auto key = widget->property(kShortcutProperty).value<QKeySequence>();
    if (!key.isEmpty()) {
        const QString key_text = key.toString(QKeySequence::NativeText);
        tool_tip =
            tool_tip.isEmpty() ? key_text : QStringLiteral("%1 (%2)").arg(tool_tip, key_text);
    }
    widget->setToolTip(tool_tip);
    widget->setStatusTip(fromUtf8(parts.status));
}

void WidgetLanguageTarget::clearItems(int slot) {
    if (auto* list = qobject_cast<QComboBox*>(slots_[slot])) {
        list->clear();
    }
}

void WidgetLanguageTarget::appendItem(int slot, const std::string& item) {
    auto* list = qobject_cast<QComboBox*>(slots_[slot]);
    if (list == nullptr) {
        return;
    }
    if (slot != kSlotLanguageList) {
        list->addItem(fromUtf8(item));
        return;
    }
    // The language list keeps its items in alphabetical order.
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i) {
        items.push_back(list->itemText(i).toStdString());
    }
    list->insertItem(static_cast<int>(sortedLanguagePosition(items, item)), fromUtf8(item));
}

void WidgetLanguageTarget::setCaption(int slot, const std::string& caption) {
    QWidget* widget = slots_[slot];
    if (widget == nullptr) {
        return;
    }
    if (widget->isWindow() || widget->inherits("QDockWidget")) {
        widget->setWindowTitle(fromUtf8(caption));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(fromUtf8(caption));
    } else if (auto* speed_button = qobject_cast<SpeedButton*>(widget)) {
        speed_button->setCaption(fromUtf8(caption));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(fromUtf8(caption));
    }
}

void WidgetLanguageTarget::setHint(int slot, const std::string& hint) {
    if (QWidget* widget = slots_[slot]) {
        setWidgetHint(widget, hint);
    }
}

}  // namespace tv
