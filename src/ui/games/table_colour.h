#pragma once

#include <QColor>
#include <cstdint>

// Colours in the settings file and the layouts are 0x00BBGGRR.
inline QColor ColorFromTableValue(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline std::uint32_t TableValueFromColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

// The table's colour when nobody chose another: dark green, 16384.
constexpr std::uint32_t kDefaultTableValue = 0x004000;
