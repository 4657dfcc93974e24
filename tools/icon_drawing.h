// Draws the two small pictures of the main window: the gear-wheel icon and the about picture.
#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "standard_palette.h"

namespace vaneko::tools {

inline constexpr int kIconSize = 32;

// The palette colours each picture is drawn with, the white ground of its 16-colour copy
// included; white appears nowhere else in either picture.
inline constexpr std::array<int, 4> kGearColours = {kPaletteBlack, kPaletteGrey, kPaletteSilver,
                                                    kPaletteWhite};
inline constexpr std::array<int, 5> kAboutColours = {kPaletteNavy, kPaletteMaroon, kPaletteRed,
                                                     kPaletteSilver, kPaletteWhite};

// How edges are drawn: hard-edged for the 16-colour copies, whose few colours cannot blend an
// edge into the ground, or antialiased for full-colour copies.
enum class Edges { kHard, kSmooth };

// A grey gear wheel on a transparent ground, `size` pixels square (drawn on a kIconSize grid
// and scaled).
QImage DrawGearIcon(Edges edges, int size = kIconSize);

// The same gear wheel as an SVG document, for the desktop's scalable icon.
QString GearIconSvg();

// A red sphere inside two crossing orbit ellipses on a transparent ground, kIconSize pixels
// square.
QImage DrawAboutPicture(Edges edges);

}  // namespace vaneko::tools
