// Turns the bytes of a language or settings file into UTF-8 text. Files written
// today are UTF-8; older ones are 8-bit text in the Windows-1250 code page.
#pragma once

#include <string>
#include <string_view>

namespace tv {

// True when `bytes` is well-formed UTF-8: no overlong forms, no surrogates, nothing
// above U+10FFFF, no truncated sequence.
bool isValidUtf8(std::string_view bytes);

// Windows-1250 to UTF-8 through the C library's converter. The five byte values that
// the code page leaves undefined become U+FFFD.
std::string decodeWindows1250(std::string_view bytes);

// Valid UTF-8 is taken as it is, without a leading byte-order mark; anything else is
// decoded from Windows-1250.
std::string decodeText(std::string_view bytes);

}  // namespace tv
