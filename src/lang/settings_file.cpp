#include "lang/settings_file.h"

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

}  // namespace tv
