#include "lang/text_decoding.h"

#include <iconv.h>

#include <cerrno>

namespace tv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Closes the converter however the decoding ends.
class Converter {
  public:
    Converter() : cd_(iconv_open("UTF-8", "WINDOWS-1250")) {}
    ~Converter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        unsigned char low = 0x80;   // bounds of the second byte, which rule out
        unsigned char high = 0xBF;  // overlong forms, surrogates and values past U+10FFFF
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            if (b0 == 0xE0) {
                low = 0xA0;
            } else if (b0 == 0xED) {
                high = 0x9F;
            }
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            if (b0 == 0xF0) {
                low = 0x90;
            } else if (b0 == 0xF4) {
                high = 0x8F;
            }
        } else {
            return false;
        }
        if (n - i < length) {
            return false;
        }
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        if (b1 < low || b1 > high) {
            return false;
        }
        for (size_t k = 2; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes[i + k]))) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string decodeWindows1250(std::string_view bytes) {
    std::string out;
    Converter converter;
    if (!converter.valid()) {
        // Without the converter only ASCII can be trusted.
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80) {
                out.push_back(c);
            } else {
                out.append(kReplacementChar);
            }
        }
        return out;
    }
    // Every Windows-1250 character takes at most three bytes in UTF-8.
    out.resize(bytes.size() * 3);
    char* in_ptr = const_cast<char*>(bytes.data());
    size_t in_left = bytes.size();
    char* out_ptr = out.data();
    size_t out_left = out.size();
    while (in_left > 0) {
        if (iconv(converter.get(), &in_ptr, &in_left, &out_ptr, &out_left) !=
            static_cast<size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // An undefined byte takes one byte of input and gives three of output, so the
        // room reserved above still suffices.
        for (const char r : kReplacementChar) {
            *out_ptr++ = r;
        }
        out_left -= kReplacementChar.size();
        ++in_ptr;
        --in_left;
    }
    out.resize(out.size() - out_left);
    return out;
}

std::string decodeText(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) {
            bytes.remove_prefix(kByteOrderMark.size());
        }
        return std::string(bytes);
    }
    return decodeWindows1250(bytes);
}

}  // namespace tv
