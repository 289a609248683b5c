// Colour values as the program stores them: 0x00BBGGRR, red in the lowest byte.
#pragma once

#include <QColor>
#include <cstdint>

namespace tv {

inline QColor colorFromRef(uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

inline uint32_t colorRefFrom(const QColor& color) {
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace tv
