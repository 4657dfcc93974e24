// The standard 16-colour Windows palette, which the 4-bit pictures use.
#pragma once

#include <QRgb>
#include <array>

namespace vaneko::tools {

// Palette positions, in palette order.
enum PaletteIndex : int {
  kPaletteBlack = 0,
  kPaletteMaroon = 1,
  kPaletteGreen = 2,
  kPaletteOlive = 3,
  kPaletteNavy = 4,
  kPalettePurple = 5,
  kPaletteTeal = 6,
  kPaletteSilver = 7,
  kPaletteGrey = 8,
  kPaletteRed = 9,
  kPaletteLime = 10,
  kPaletteYellow = 11,
  kPaletteBlue = 12,
  kPaletteFuchsia = 13,
  kPaletteAqua = 14,
  kPaletteWhite = 15,
};

// The colours at those positions.
inline constexpr std::array<QRgb, 16> kStandardPalette = {
    0xFF000000u,  // black
    0xFF800000u,  // maroon
    0xFF008000u,  // green
    0xFF808000u,  // olive
    0xFF000080u,  // navy
    0xFF800080u,  // purple
    0xFF008080u,  // teal
    0xFFC0C0C0u,  // silver
    0xFF808080u,  // grey
    0xFFFF0000u,  // red
    0xFF00FF00u,  // lime
    0xFFFFFF00u,  // yellow
    0xFF0000FFu,  // blue
    0xFFFF00FFu,  // fuchsia
    0xFF00FFFFu,  // aqua
    0xFFFFFFFFu,  // white
};

}  // namespace vaneko::tools
