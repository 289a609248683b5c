// A control's hint may hold a short and a long form: "short|long". The tool tip shows
// the short one and the status bar the long one.
#pragma once

#include <string_view>

namespace tv {

struct HintParts {
    std::string_view tool_tip;  // before the first "|"
    std::string_view status;    // after the first "|"; the whole hint when there is none
};

// The views point into `hint`.
constexpr HintParts splitHint(std::string_view hint) {
    const size_t bar = hint.find('|');
    if (bar == std::string_view::npos) {
        return {hint, hint};
    }
    return {hint.substr(0, bar), hint.substr(bar + 1)};
}

}  // namespace tv
