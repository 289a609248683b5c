// A formatter for message texts that come from language files. Such a text is
// untrusted, so only "%s", "%d" and "%%" are understood and every other "%"
// sequence is copied as it stands; the formatter never reads past its arguments.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace tv {

// One argument: a string (for %s) or an integer (for %d).
using FormatArg = std::variant<std::string_view, long long>;

// Replaces each "%s" and "%d" of `pattern`, from left to right, with the next argument,
// and "%%" with "%". A placeholder takes the next argument whatever its kind and shows
// it in its own form (a file's "%d at %s" must not go wrong). Once the arguments are
// used up, further placeholders stay as they are; so do widths, "%x", "%n" and a
// lone "%" at the end.
std::string formatText(std::string_view pattern, std::initializer_list<FormatArg> args);

}  // namespace tv
