// Small helpers shared by the whole program: a readability test for files,
// the Hungarian-aware upper-casing of Windows-1250 text, and an integer minimum.
#pragma once

#include <string>
#include <string_view>

namespace tv {

// True when `path` names a regular file that this process can open for reading.
// Never throws; a directory, a missing file and an unreadable file give false.
bool FileOpenable(const std::string& path);

// Upper-cases each byte on its own: a..z, and the Hungarian accented small letters of
// Windows-1250 (á é í ó ő ö ú ű ü) become their capitals; every other byte is kept.
std::string UpperCaseHu(std::string_view s);

// The same mapping for UTF-8 text: a..z and the nine Hungarian small letters as code
// points; all other characters, and bytes of invalid sequences, are kept as they are.
std::string UpperCaseHuUtf8(std::string_view s);

constexpr int Min(int a, int b) {
    return a < b ? a : b;
}

}  // namespace tv
