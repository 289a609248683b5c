#include "lang/settings_file.h"

#include "lang/text_lines.h"
#include "util/vex1.h"

namespace tv {

SettingsLine parseSettingsLine(std::string_view trimmed) {
    constexpr std::string_view kKey = "LANGUAGE=";
    SettingsLine result;
    if (UpperCaseHuUtf8(trimmed.substr(0, kKey.size())) == kKey) {
        result.kind = SettingsLine::Kind::Language;
        result.language = UpperCaseHuUtf8(trimmed.substr(kKey.size()));
    } else if (!trimmed.empty() && trimmed.front() != ';') {
        result.kind = SettingsLine::Kind::Error;
    }
    return result;
}

void readSettingsFile(std::string_view file_bytes, const SettingsVisitor& visit) {
    LineReader reader(file_bytes);
    std::string_view raw;
    while (reader.next(raw)) {
        const std::string_view line = trimControls(raw);
        const SettingsLine parsed = parseSettingsLine(line);
        if (parsed.kind != SettingsLine::Kind::Skip) {
            visit(reader.row(), parsed, line);
        }
    }
}

}  // namespace tv
