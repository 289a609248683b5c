// Fuzzes the settings-file reader: the lines of the file as parsed, and the start-up's
// working through them against a language folder with two language files.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "lang/language_discovery.h"
#include "lang/language_warning.h"
#include "lang/settings_file.h"
#include "lang/start_language.h"
#include "lang/text_decoding.h"
#include "lang/text_table.h"

namespace tv::fuzz {

namespace {

std::string& languageDir() {
    static std::string dir;
    return dir;
}

std::vector<LanguageEntry>& languages() {
    static std::vector<LanguageEntry> list;
    return list;
}

void writeFile(const std::string& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(text.data(), 1, text.size(), file) == text.size());
    FUZZ_CHECK(std::fclose(file) == 0);
}

void removeLanguageDir() {
    for (const LanguageEntry& language : languages()) {
        std::remove((languageDir() + language.file_name).c_str());
    }
    ::rmdir(languageDir().c_str());
}

void checkTrimmedLine(std::string_view line) {
    FUZZ_CHECK(isValidUtf8(line));
    FUZZ_CHECK(!line.empty());
    FUZZ_CHECK(static_cast<unsigned char>(line.front()) > 32 &&
               static_cast<unsigned char>(line.back()) > 32);
}

}  // namespace

}  // namespace tv::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace tv::fuzz;
    char pattern[] = "/tmp/torvelle-settings-fuzz-XXXXXX";
    FUZZ_CHECK(::mkdtemp(pattern) != nullptr);
    languageDir() = std::string(pattern) + "/";
    writeFile(languageDir() + "English.lng", "12=Untitled\n");
    writeFile(languageDir() + "Magyar.lng", "12=N\xC3\xA9vtelen\n");
    const tv::LanguageScan scan = tv::scanLanguages(languageDir());
    FUZZ_CHECK(scan.status == tv::LanguageScanStatus::Ok && scan.languages.size() == 2);
    languages() = scan.languages;
    std::atexit(removeLanguageDir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tv;
    using namespace tv::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    int last_row = 0;
    readSettingsFile(bytes, [&](int row, const SettingsLine& parsed, std::string_view line) {
        FUZZ_CHECK(row > last_row);
        last_row = row;
        FUZZ_CHECK(parsed.kind != SettingsLine::Kind::Skip);
        checkTrimmedLine(line);
        FUZZ_CHECK(isValidUtf8(parsed.language));
    });

    TextTable texts;
    assignDefaultTexts(texts);
    last_row = 0;
    int last_applied = -1;
    const StartLanguageCalls calls{
        [&](const LanguageWarning& warning) {
            FUZZ_CHECK(warning.row > last_row);
            last_row = warning.row;
            const std::string head = rowErrorHead(texts, kSettingsWarningName, warning.row);
            FUZZ_CHECK(warning.text.starts_with(head + kWarningLineBreak));
            FUZZ_CHECK(isValidUtf8(warning.text));
        },
        [&](int index) {
            FUZZ_CHECK(index >= 0 && static_cast<size_t>(index) < languages().size());
            last_applied = index;
        }};
    const int applied = applySettingsFile(bytes, languageDir(), languages(), texts, calls);
    FUZZ_CHECK(applied == last_applied);
    return 0;
}
