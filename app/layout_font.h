// The two faces the window's layout names, at a given character height in pixels. Where a
// face is not installed, InstallFontSubstitutes maps it to a metric-compatible free face.
#pragma once

#include <QFont>

namespace vaneko::app {

enum class Face { SansSerif, Serif };

struct FontChoice {
  Face face = Face::SansSerif;
  int pixelSize = 11;
  bool bold = false;
};

inline constexpr char kSansSerifFamily[] = "MS Sans Serif";
inline constexpr char kSerifFamily[] = "Times New Roman";

// Registers "Liberation Sans" and "Liberation Serif" as substitutes for the layout's faces
// where those are missing. Call once, before the first window is built.
void InstallFontSubstitutes();

QFont MakeFont(const FontChoice& choice);

}  // namespace vaneko::app
