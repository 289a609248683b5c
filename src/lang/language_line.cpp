#include "lang/language_line.h"

#include <cstdint>
#include <limits>

namespace tv {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

}  // namespace

int parseComponentNumber(std::string_view text) {
    constexpr int kNotAnInteger = -1;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return kNotAnInteger;
    }
    // The magnitude is bounded by 2^31 before every step, so it never overflows.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit >= base) {
            return kNotAnInteger;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) {
            return kNotAnInteger;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) {
        return kNotAnInteger;
    }
    return static_cast<int>(value);
}

LanguageLine parseLanguageLine(std::string_view trimmed) {
    LanguageLine result;
    if (trimmed.empty() || trimmed.front() == ';') {
        return result;
    }
    const size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        result.kind = LanguageLine::Kind::Malformed;
        return result;
    }
    result.number = parseComponentNumber(trimmed.substr(0, equals));
    result.kind = result.number < 0 ? LanguageLine::Kind::Malformed : LanguageLine::Kind::Entry;
    result.text = trimmed.substr(equals + 1);
    return result;
}

}  // namespace tv
