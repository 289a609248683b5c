#include "lang/format_text.h"

namespace tv {

namespace {

void appendArg(std::string& out, const FormatArg& arg) {
    if (const auto* text = std::get_if<std::string_view>(&arg)) {
        out.append(*text);
    } else {
        out.append(std::to_string(std::get<long long>(arg)));
    }
}

}  // namespace

std::string formatText(std::string_view pattern, std::initializer_list<FormatArg> args) {
    std::string out;
    out.reserve(pattern.size());
    const FormatArg* next_arg = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char following = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c != '%' || i + 1 == pattern.size()) {
            out.push_back(c);
        } else if (following == '%') {
            out.push_back('%');
            ++i;
        } else if ((following == 's' || following == 'd') && next_arg != args.end()) {
            appendArg(out, *next_arg);
            ++next_arg;
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace tv
