// The main window's start-up routine and the applying of a language file.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSignalBlocker>
#include <QTimer>

#include "app/component_slots.h"
#include "app/fomenu.h"
#include "app/widget_language_target.h"
#include "lang/file_bytes.h"
#include "lang/format_text.h"
#include "lang/language_file.h"
#include "lang/settings_file.h"
#include "lang/start_language.h"
#include "toolwin/anyag.h"
#include "toolwin/feny.h"
#include "util/vex1.h"

namespace tv {

void Tform_fomenu::Startup() {
    // The resets run while the text table is still empty, so the modified mark they
    // set is the empty word and the document starts not modified.
    form_anyag->g_alapClick();
    form_feny->g_alapClick();
    assignDefaultTexts(ui_texts);
    component_slots = collectComponentSlots(*this);

    // Language files are looked for in the start directory; a program started from a
    // desktop menu finds them in its installed language folder instead.
    const LanguageDirChoice choice =
        chooseLanguageDir(lang_dir.toStdString(), language_fallback_dirs_);
    if (choice.scan.status != LanguageScanStatus::Ok) {
        dialogs().message(QString::fromUtf8(scanFailureText(choice.scan.status).data()),
                          QStringLiteral("Error"), MsgIcon::Error, MsgButtons::Ok);
        startup_failed = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    lang_dir = QString::fromStdString(choice.dir);
    const std::vector<LanguageEntry>& languages = choice.scan.languages;
    {
        const QSignalBlocker quiet(list_lang);
        list_lang->clear();
        for (const LanguageEntry& language : languages) {
            list_lang->addItem(QString::fromStdString(language.name));
        }
        list_lang->setCurrentIndex(-1);
    }

    std::optional<std::string> settings;
    if (FileOpenable(std::string(kSettingsFileName))) {
        settings = readFileBytes(std::string(kSettingsFileName));
    }
    const StartLanguageCalls calls{
        [this](const LanguageWarning& warning) {
            dialogs().message(QString::fromStdString(warning.text), uiText(kTextWarning),
                              MsgIcon::Warning, MsgButtons::Ok);
        },
        // Selected by name: a language file may have added items to the list since it
        // was filled.
        [this, &languages](int index) {
            {
                const QSignalBlocker quiet(list_lang);
                list_lang->setCurrentIndex(
                    list_lang->findText(QString::fromStdString(languages[index].name)));
            }
            list_langSelect();
        }};
    applyStartLanguage(settings, lang_dir.toStdString(), languages, ui_texts, calls);
    updateCaption();
    restartHistory();  // the start-up resets are no step to undo
}

void Tform_fomenu::list_langSelect() {
    const std::string name = list_lang->currentText().toStdString();
    const std::optional<std::string> path = findLanguageFile(lang_dir.toStdString(), name);
    std::optional<std::string> bytes;
    if (path && FileOpenable(*path)) {
        bytes = readFileBytes(*path);
    }
    if (!bytes) {
        dialogs().message(uiFormat(kTextLanguageMissing, {FormatArg(name)}), uiText(kTextError),
                          MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    const int remembered = std::max(0, list_tip->currentIndex());
    WidgetLanguageTarget target(component_slots);
    {
        const QSignalBlocker quiet(list_tip);
        applyLanguageFile(*bytes, name + std::string(kLanguageExtension), ui_texts, target,
                          [this](const LanguageWarning& warning) {
                              dialogs().message(QString::fromStdString(warning.text),
                                                uiText(kTextWarning), MsgIcon::Warning,
                                                MsgButtons::Ok);
                          });
    }
    SetModified(IsModified());
    if (untitled) {
        updateCaption();
    }
    const QSignalBlocker quiet(list_tip);
    list_tip->setCurrentIndex(reselectedIndex(remembered, list_tip->count()));
}

}  // namespace tv
