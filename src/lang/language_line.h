// The syntax of one line of a language file: "number=text" after trimming, with
// empty lines and ";" comments skipped.
#pragma once

#include <string_view>

namespace tv {

// A plain integer with nothing around it: an optional sign, then decimal digits, or
// hexadecimal digits after "$" or "0x". Gives -1 for anything else, and for a value
// that does not fit a signed 32-bit integer.
[[nodiscard]] int parseComponentNumber(std::string_view text);

struct LanguageLine {
    enum class Kind {
        Skip,       // empty or a comment
        Entry,      // number (0 or more) and text
        Malformed,  // no "=", or a number that is not a non-negative integer
    };
    Kind kind = Kind::Skip;
    int number = -1;
    std::string_view text;  // everything after the first "=", a view into the line
};

// `trimmed` is a line already passed through trimControls.
[[nodiscard]] LanguageLine parseLanguageLine(std::string_view trimmed);

}  // namespace tv
