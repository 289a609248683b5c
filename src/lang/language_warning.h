// Warnings about bad lines of a language file or the settings file. The window code
// shows each one in a message box (caption: text 3 of the text table, warning icon,
// OK button) and returns when the user has closed it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "lang/text_table.h"

namespace tv {

// The line break inside a warning text: the single character 13.
inline constexpr char kWarningLineBreak = '\r';

struct LanguageWarning {
    int row = 0;       // row of the bad line, counted from 1
    std::string text;  // the message, lines separated by kWarningLineBreak
};

using WarningSink = std::function<void(const LanguageWarning&)>;

// The first line of every such warning: text 0 formatted with the file's name and the
// row ("Error in English.lng at row 7").
std::string rowErrorHead(const TextTable& texts, std::string_view file_name, int row);

}  // namespace tv
