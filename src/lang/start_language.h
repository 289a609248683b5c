// Which language the program starts in: the one the settings file names, else
// English, else the first of the list. Also where the language files are looked for.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language_discovery.h"
#include "lang/language_warning.h"
#include "lang/text_table.h"

namespace tv {

// What the start-up asks of the window code.
struct StartLanguageCalls {
    // Shows one warning S1 or S2 and returns when the user has closed it.
    WarningSink warn;
    // Selects item `index` of the language list and applies its language file; the text
    // table passed to the functions below must then hold that language's texts.
    std::function<void(int index)> apply;
};

// Works through the settings file's lines in order. A LANGUAGE= line whose language has
// no readable file in `lang_dir` gives warning S2 (text 0 with "GLTorvel" and the row,
// line break, text 10 with the upper-cased name); one whose language is in `languages`
// is applied at once; any other is ignored. A line that is neither that, empty nor a
// comment gives S1 (text 0 with "GLTorvel" and the row, line break, the line).
// Warnings use the texts in force when they occur. Returns the index applied last, or
// -1 when no line applied a language.
int applySettingsFile(std::string_view settings_bytes, const std::string& lang_dir,
                      const std::vector<LanguageEntry>& languages, const TextTable& texts,
                      const StartLanguageCalls& calls);

// "English" (in any case) if listed, else the first language; -1 for an empty list.
int defaultLanguageIndex(const std::vector<LanguageEntry>& languages);

// The whole choice: the settings file when there is one (nothing when it is missing or
// unreadable), then the default language when no line applied one.
void applyStartLanguage(const std::optional<std::string>& settings_bytes,
                        const std::string& lang_dir, const std::vector<LanguageEntry>& languages,
                        const TextTable& texts, const StartLanguageCalls& calls);

// `dir` with a "/" appended unless it already ends in one; "./" for an empty `dir`.
std::string withTrailingSeparator(std::string dir);

// Where an installed or freshly built program keeps its language files, in the order
// they are tried: "lang/" beside the executable (the build tree), then the data folder
// that installing fills. `executable_dir` is the executable's folder.
std::vector<std::string> installedLanguageDirs(const std::string& executable_dir);

struct LanguageDirChoice {
    std::string dir;  // ends in "/"
    LanguageScan scan;
};

// The current directory when it holds a language file, else the first of `fallback_dirs`
// that does. When none does, the current directory with its own scan result, so the
// failure reported is that of the current directory.
LanguageDirChoice chooseLanguageDir(const std::string& current_dir,
                                    const std::vector<std::string>& fallback_dirs);

}  // namespace tv
