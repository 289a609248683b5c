// Finding the languages of a folder: its readable "*.lng" files. File names are
// case-sensitive here, so names are matched without regard to case (full Unicode case
// folding) wherever a language is looked up by name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language_names.h"

namespace tv {

inline constexpr std::string_view kLanguageExtension = ".lng";

struct LanguageEntry {
    std::string name;       // the item of the language list: the file name without
                            // ".lng", as UTF-8
    std::string file_name;  // the file's name in the folder, byte for byte
};

enum class LanguageScanStatus { Ok, NoLanguageFiles, DirectoryUnreadable };

struct [[nodiscard]] LanguageScan {
    LanguageScanStatus status = LanguageScanStatus::NoLanguageFiles;
    std::vector<LanguageEntry> languages;  // in the order of languageNameLess
};

// Lists the files of `dir` whose names end in ".lng" (in any case) and that can be
// opened for reading; a folder named x.lng is not a language. `dir` ends in "/".
LanguageScan scanLanguages(const std::string& dir);

// The fixed English message the start-up shows for a failed scan before it ends the
// program ("Language files not found!", "Can not read current directory!"); empty
// for Ok.
std::string_view scanFailureText(LanguageScanStatus status);

// Index of the first language named `name` without regard to case; -1 when none is.
int findLanguage(const std::vector<LanguageEntry>& languages, std::string_view name);

// The path of the readable language file for `name` in `dir`: `name` + ".lng" when
// that exists, else a file whose name matches without regard to case. Nothing when
// there is none, or when `name` holds a path separator or a NUL and so cannot name a
// file of `dir`.
[[nodiscard]] std::optional<std::string> findLanguageFile(const std::string& dir,
                                                          std::string_view name);

}  // namespace tv
