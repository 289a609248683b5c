#include "util/vex1.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tv {

bool FileOpenable(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

namespace {

// Windows-1250 small letter -> capital, for the nine Hungarian accented letters.
unsigned char upperCp1250(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 'a' + 'A');
    }
    switch (c) {
        case 0xE1:
            return 0xC1;  // á
        case 0xE9:
            return 0xC9;  // é
        case 0xED:
            return 0xCD;  // í
        case 0xF3:
            return 0xD3;  // ó
        case 0xF5:
            return 0xD5;  // ő
        case 0xF6:
            return 0xD6;  // ö
        case 0xFA:
            return 0xDA;  // ú
        case 0xFB:
            return 0xDB;  // ű
        case 0xFC:
            return 0xDC;  // ü
        default:
            return c;
    }
}

// Unicode small letter -> capital for the same nine letters (ő and ű are in Latin
// Extended-A, one code point above their capitals).
char32_t upperHuCodePoint(char32_t c) {
    switch (c) {
        case 0xE1:
        case 0xE9:
        case 0xED:
        case 0xF3:
        case 0xF6:
        case 0xFA:
        case 0xFC:
            return c - 0x20;
        case 0x151:
            return 0x150;  // ő
        case 0x171:
            return 0x170;  // ű
        default:
            return c;
    }
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string UpperCaseHu(std::string_view s) {
    std::string out(s);
    for (char& ch : out) {
        ch = static_cast<char>(upperCp1250(static_cast<unsigned char>(ch)));
    }
    return out;
}

std::string UpperCaseHuUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            out.push_back(b0 >= 'a' && b0 <= 'z' ? static_cast<char>(b0 - 'a' + 'A') : s[i]);
            ++i;
            continue;
        }
        // Only two-byte sequences can hold the letters concerned; anything else is copied.
        if ((b0 & 0xE0) == 0xC0 && i + 1 < s.size() &&
            (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            const char32_t cp =
                (char32_t(b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
            const char32_t up = upperHuCodePoint(cp);
            if (up != cp) {
                appendUtf8(out, up);
            } else {
                out.append(s.substr(i, 2));
            }
            i += 2;
            continue;
        }
        out.push_back(s[i]);
        ++i;
    }
    return out;
}

}  // namespace tv
