// The settings file "GLTorvel.ini" of the start directory: lines "LANGUAGE=name" name
// the preferred language; empty lines and ";" comments are skipped; anything else is
// an error.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tv {

inline constexpr std::string_view kSettingsFileName = "GLTorvel.ini";
// How warnings about the settings file name it.
inline constexpr std::string_view kSettingsWarningName = "GLTorvel";

struct SettingsLine {
    enum class Kind { Skip, Language, Error };
    Kind kind = Kind::Skip;
    std::string language;  // for Language: the value, upper-cased by the Hungarian rule
};

// `trimmed` is a decoded line already passed through trimControls. The key is matched
// without regard to case and must be followed by "=" at once; blanks after the "="
// belong to the value.
[[nodiscard]] SettingsLine parseSettingsLine(std::string_view trimmed);

// Reads the file's lines in order and calls visit(row, parsed, trimmed line) for each
// LANGUAGE= line and each error; rows count every line from 1.
using SettingsVisitor =
    std::function<void(int row, const SettingsLine& parsed, std::string_view line)>;
void readSettingsFile(std::string_view file_bytes, const SettingsVisitor& visit);

}  // namespace tv
