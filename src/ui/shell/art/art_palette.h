#pragma once

#include <QColor>

// One palette for all shell pictures, so the jester, the start picture, the about
// box and the celebration read as one family.
namespace shell_art::palette {

// The jester pictures' background; the launcher and the about box take their
// window colour from it.
inline const QColor kParchment{0xF3, 0xE5, 0xC0};
inline const QColor kParchmentLight{0xFB, 0xF4, 0xE0};
inline const QColor kParchmentShade{0xE2, 0xCC, 0x98};

inline const QColor kInk{0x3B, 0x2A, 0x20};
inline const QColor kMotleyRed{0xD8, 0x3F, 0x3A};
inline const QColor kMotleyRedDark{0xA8, 0x28, 0x28};
inline const QColor kMotleyGold{0xF2, 0xB5, 0x2C};
inline const QColor kMotleyGoldLight{0xFF, 0xE3, 0x8A};
inline const QColor kMotleyGoldDark{0xB7, 0x7E, 0x14};
inline const QColor kMotleyBlue{0x34, 0x69, 0xC2};
inline const QColor kMotleyBlueDark{0x22, 0x46, 0x8E};

inline const QColor kSkin{0xF8, 0xD5, 0xB6};
inline const QColor kSkinShade{0xEE, 0xBC, 0x98};
inline const QColor kCheek{0xF0, 0x8E, 0x8E, 0x9C};
inline const QColor kGlove{0xFF, 0xF8, 0xEA};

inline const QColor kFeltLight{0x2F, 0x92, 0x52};
inline const QColor kFelt{0x1E, 0x74, 0x3E};
inline const QColor kFeltDark{0x0E, 0x4A, 0x26};

inline const QColor kCardWhite{0xFF, 0xFF, 0xFC};
inline const QColor kCardIvory{0xF4, 0xEF, 0xE2};
inline const QColor kCardEdge{0x7A, 0x74, 0x6A};
inline const QColor kSuitRed{0xC8, 0x1E, 0x2A};
inline const QColor kSuitBlack{0x1E, 0x1E, 0x26};
inline const QColor kBackRed{0xB8, 0x2A, 0x32};
inline const QColor kBackBlue{0x2A, 0x4F, 0x9A};

inline const QColor kWoodLight{0xA8, 0x6C, 0x3A};
inline const QColor kWood{0x7A, 0x47, 0x22};
inline const QColor kWoodDark{0x4A, 0x2A, 0x12};

}  // namespace shell_art::palette
