#include "lang/start_language.h"

#include "lang/format_text.h"
#include "lang/settings_file.h"

// TORVELLE_LANG_INSTALL_DIR comes from the build: the folder that installing fills.

namespace tv {

int applySettingsFile(std::string_view settings_bytes, const std::string& lang_dir,
                      const std::vector<LanguageEntry>& languages, const TextTable& texts,
                      const StartLanguageCalls& calls) {
    int applied = -1;
    readSettingsFile(
        settings_bytes, [&](int row, const SettingsLine& parsed, std::string_view line) {
            const auto warn = [&](std::string_view second_line) {
                std::string text = rowErrorHead(texts, kSettingsWarningName, row);
                text.push_back(kWarningLineBreak);
                text.append(second_line);
                calls.warn({row, std::move(text)});
            };
            if (parsed.kind == SettingsLine::Kind::Error) {
                warn(line);
            } else if (!findLanguageFile(lang_dir, parsed.language)) {
                warn(formatText(texts[kTextLanguageMissing], {parsed.language}));
            } else if (const int index = findLanguage(languages, parsed.language); index >= 0) {
                applied = index;
                calls.apply(index);
            }
        });
    return applied;
}

int defaultLanguageIndex(const std::vector<LanguageEntry>& languages) {
    if (languages.empty()) {
        return -1;
    }
    const int english = findLanguage(languages, "English");
    return english >= 0 ? english : 0;
}

void applyStartLanguage(const std::optional<std::string>& settings_bytes,
                        const std::string& lang_dir, const std::vector<LanguageEntry>& languages,
                        const TextTable& texts, const StartLanguageCalls& calls) {
    int applied = -1;
    if (settings_bytes) {
        applied = applySettingsFile(*settings_bytes, lang_dir, languages, texts, calls);
    }
    if (applied < 0) {
        const int index = defaultLanguageIndex(languages);
        if (index >= 0) {
            calls.apply(index);
        }
    }
}

std::string withTrailingSeparator(std::string dir) {
    if (dir.empty()) {
        return "./";
    }
    if (dir.back() != '/') {
        dir.push_back('/');
    }
    return dir;
}

std::vector<std::string> installedLanguageDirs(const std::string& executable_dir) {
    // Beside the program in a build folder; under share/ of wherever it was installed,
    // also when installed under another prefix than the one it was built for.
    const std::string dir = withTrailingSeparator(executable_dir);
    return {dir + "lang/", dir + "../share/torvelle/lang/",
            withTrailingSeparator(TORVELLE_LANG_INSTALL_DIR)};
}

LanguageDirChoice chooseLanguageDir(const std::string& current_dir,
                                    const std::vector<std::string>& fallback_dirs) {
    LanguageDirChoice current{withTrailingSeparator(current_dir), {}};
    current.scan = scanLanguages(current.dir);
    if (current.scan.status == LanguageScanStatus::Ok) {
        return current;
    }
    for (const std::string& fallback : fallback_dirs) {
        LanguageDirChoice choice{withTrailingSeparator(fallback), {}};
        choice.scan = scanLanguages(choice.dir);
        if (choice.scan.status == LanguageScanStatus::Ok) {
            return choice;
        }
    }
    return current;
}

}  // namespace tv
