#include "lang/language_discovery.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "lang/text_decoding.h"
#include "util/vex1.h"

namespace tv {

namespace {

namespace fs = std::filesystem;

bool hasLanguageExtension(std::string_view file_name) {
    return file_name.size() > kLanguageExtension.size() &&
           UpperCaseHu(file_name.substr(file_name.size() - kLanguageExtension.size())) ==
               UpperCaseHu(kLanguageExtension);
}

std::string_view stem(std::string_view file_name) {
    return file_name.substr(0, file_name.size() - kLanguageExtension.size());
}

// Calls visit(file_name) for each entry of `dir` whose name ends in ".lng" and that can
// be opened for reading. False when the folder cannot be read.
template <typename Visit>
bool forEachLanguageFile(const std::string& dir, Visit visit) {
    std::error_code error;
    fs::directory_iterator it(dir.empty() ? "." : dir, error);
    if (error) {
        return false;
    }
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string file_name = it->path().filename().string();
        if (hasLanguageExtension(file_name) && FileOpenable(dir + file_name)) {
            visit(file_name);
        }
    }
    return !error;
}

}  // namespace

LanguageScan scanLanguages(const std::string& dir) {
    LanguageScan scan;
    const bool readable = forEachLanguageFile(dir, [&](const std::string& file_name) {
        scan.languages.push_back({decodeText(stem(file_name)), file_name});
    });
    if (!readable) {
        scan.languages.clear();
        scan.status = LanguageScanStatus::DirectoryUnreadable;
        return scan;
    }
    std::sort(scan.languages.begin(), scan.languages.end(),
              [](const LanguageEntry& a, const LanguageEntry& b) {
                  return a.name != b.name ? languageNameLess(a.name, b.name)
                                          : a.file_name < b.file_name;
              });
    scan.status =
        scan.languages.empty() ? LanguageScanStatus::NoLanguageFiles : LanguageScanStatus::Ok;
    return scan;
}

std::string_view scanFailureText(LanguageScanStatus status) {
    switch (status) {
        case LanguageScanStatus::Ok:
            return "";
        case LanguageScanStatus::NoLanguageFiles:
            return "Language files not found!";
        case LanguageScanStatus::DirectoryUnreadable:
            return "Can not read current directory!";
    }
    return "";
}

int findLanguage(const std::vector<LanguageEntry>& languages, std::string_view name) {
    const auto it = std::find_if(languages.begin(), languages.end(), [&](const LanguageEntry& e) {
        return sameLanguageName(e.name, name);
    });
    return it == languages.end() ? -1 : static_cast<int>(it - languages.begin());
}

std::optional<std::string> findLanguageFile(const std::string& dir, std::string_view name) {
    if (name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string exact = dir;
    exact.append(name).append(kLanguageExtension);
    if (FileOpenable(exact)) {
        return exact;
    }
    std::optional<std::string> found;
    forEachLanguageFile(dir, [&](const std::string& file_name) {
        if (!found && sameLanguageName(decodeText(stem(file_name)), name)) {
            found = dir + file_name;
        }
    });
    return found;
}

}  // namespace tv
