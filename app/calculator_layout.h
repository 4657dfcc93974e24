// The calculator panel as drawn: each key's place and caption style, one row per row of the
// calculator's key table and in the same order (checked when the program is compiled), and the
// panel's labels, fields and angle-mode buttons. Places are left, top, width and height in
// pixels inside the panel; a width and height of 0 sizes the control to fit its caption.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "app/form1_layout.h"
#include "calculator/key_table.h"

namespace vaneko::app {

// The colour roles of the panel's captions.
enum class CaptionColour { Default, Aqua, Fuchsia, MenuText, DesktopBackground };

struct CaptionStyle {
  CaptionColour colour = CaptionColour::Default;
  bool bold = false;
  int pixelSize = 12;
};

struct KeyLayout {
  std::string_view caption;  // the key table's caption of the same row
  Place place;
  CaptionStyle style;
};

struct PanelLabel {
  std::string_view caption;
  Place place;
  CaptionStyle style;
  std::string_view buddy;  // the field the label names; empty for none
};

struct PanelPlace {
  std::string_view name;  // a field's or an angle-mode button's name
  Place place;
};

// The panel's font.
inline constexpr std::string_view kPanelFontFamily = "Times New Roman";
inline constexpr int kPanelFontPixelSize = 12;

// Caption styles.
inline constexpr CaptionStyle kPlain{};
inline constexpr CaptionStyle kAqua{CaptionColour::Aqua, false, 12};
inline constexpr CaptionStyle kFuchsia{CaptionColour::Fuchsia, false, 12};
inline constexpr CaptionStyle kMenuText{CaptionColour::MenuText, false, 12};
inline constexpr CaptionStyle kBold{CaptionColour::Default, true, 12};
inline constexpr CaptionStyle kComma{CaptionColour::Default, false, 16};
inline constexpr CaptionStyle kBackspace{CaptionColour::Default, false, 15};
inline constexpr CaptionStyle kRegisterKey{CaptionColour::Default, true, 16};
inline constexpr CaptionStyle kHeading{CaptionColour::DesktopBackground, false, 19};
inline constexpr CaptionStyle kRegisterLabel{CaptionColour::DesktopBackground, true, 21};
inline constexpr CaptionStyle kBinomialLabel{CaptionColour::DesktopBackground, true, 16};

inline constexpr KeyLayout kKeyLayout[] = {
    // Entry, operators and "=".
    {"7", {54, 102, 33, 25}, kPlain},
    {"8", {93, 102, 33, 25}, kPlain},
    {"9", {132, 102, 33, 25}, kPlain},
    {"4", {54, 134, 33, 25}, kPlain},
    {"5", {93, 134, 33, 25}, kPlain},
    {"6", {132, 134, 33, 25}, kPlain},
    {"1", {55, 167, 33, 25}, kPlain},
    {"2", {93, 167, 33, 25}, kPlain},
    {"3", {132, 167, 33, 25}, kPlain},
    {"0", {53, 199, 33, 25}, kAqua},
    {",", {93, 199, 32, 25}, kComma},
    {"C", {54, 70, 32, 25}, kPlain},
    {"<<", {93, 70, 32, 25}, kBackspace},
    {"+/-", {132, 70, 32, 25}, kPlain},
    {"*", {171, 102, 32, 25}, kPlain},
    {"/", {171, 134, 32, 25}, kPlain},
    {"-", {171, 167, 32, 25}, kPlain},
    {"+", {171, 199, 32, 25}, kPlain},
    {"x % de y", {6, 264, 65, 25}, kPlain},
    {"x^Y", {92, 231, 33, 25}, kPlain},
    {"x^1/y", {52, 231, 33, 25}, kPlain},
    {"=", {132, 200, 32, 25}, kPlain},
    // Memory, registers and the exchange with the converter.
    {"M", {4, 71, 32, 25}, kBold},
    {"MR", {236, 563, 32, 25}, kPlain},
    {"MC", {334, 563, 32, 25}, kPlain},
    {"M+", {269, 563, 32, 25}, kPlain},
    {"M-", {301, 563, 32, 25}, kPlain},
    {"X", {81, 263, 32, 25}, kRegisterKey},
    {"XR", {25, 442, 32, 25}, kPlain},
    {"XC", {127, 442, 32, 25}, kPlain},
    {"X+", {59, 442, 32, 25}, kPlain},
    {"X-", {93, 442, 32, 25}, kPlain},
    {"Y", {121, 263, 32, 25}, kRegisterKey},
    {"YR", {25, 506, 32, 25}, kPlain},
    {"YC", {127, 506, 32, 25}, kPlain},
    {"Y+", {59, 506, 32, 25}, kPlain},
    {"Y-", {93, 506, 32, 25}, kPlain},
    {"Z", {161, 263, 32, 25}, kRegisterKey},
    {"ZR", {25, 562, 32, 25}, kPlain},
    {"ZC", {126, 562, 32, 25}, kPlain},
    {"Z+", {59, 562, 32, 25}, kPlain},
    {"Z-", {93, 562, 32, 25}, kPlain},
    {"Saisir Résultat", {26, 9, 81, 25}, kPlain},
    {"Coller", {114, 9, 57, 25}, kPlain},
    // Functions of the entry.
    {"x^2", {133, 231, 33, 25}, kPlain},
    {"x^3", {172, 231, 33, 25}, kPlain},
    {"1/x", {5, 231, 32, 25}, kPlain},
    {"Log", {4, 167, 33, 25}, kPlain},
    {"Ln", {4, 103, 33, 25}, kFuchsia},
    {"Sin", {9, 296, 33, 25}, kPlain},
    {"Cos", {43, 296, 33, 25}, kPlain},
    {"Tan", {77, 296, 33, 25}, kPlain},
    {"ArcSin", {9, 324, 44, 25}, kAqua},
    {"ArcCos", {53, 324, 44, 25}, kAqua},
    {"ArcTan", {97, 324, 44, 25}, kAqua},
    {"e^x", {4, 136, 33, 25}, kPlain},
    {"10^x", {4, 200, 33, 25}, kPlain},
    {"CoTan", {112, 296, 45, 25}, kPlain},
    {"ArcCoTan", {142, 324, 60, 25}, kAqua},
    {"Sin h", {9, 378, 33, 25}, kPlain},
    {"ArcSin h", {9, 404, 56, 25}, kPlain},
    {"Cos h", {43, 378, 40, 25}, kPlain},
    {"ArcCos h", {65, 404, 56, 25}, kPlain},
    {"Tan h", {84, 378, 40, 25}, kPlain},
    {"ArcTan h", {121, 404, 56, 25}, kPlain},
    {"Sec", {9, 352, 33, 25}, kPlain},
    {"CoSec", {43, 352, 40, 25}, kPlain},
    {"ArcSec", {84, 352, 44, 25}, kPlain},
    {"ArcCoSec", {129, 352, 60, 25}, kPlain},
    {"N !", {219, 187, 33, 25}, kPlain},
    {"Gamma ", {253, 187, 52, 25}, kPlain},
    // Formulas over the registers.
    {"Sqrt(x^2 + y^ 2)", {209, 240, 104, 25}, kPlain},
    {"ArcTan X / Y", {209, 380, 104, 25}, kPlain},
    {"Sqrt(x^2 - y^ 2)", {317, 240, 104, 25}, kPlain},
    {"X / Sin Y", {209, 268, 104, 25}, kPlain},
    {"X / Cos Y", {317, 268, 104, 25}, kPlain},
    {"X * Sin Y", {209, 296, 104, 25}, kPlain},
    {"X * CosY", {317, 296, 104, 25}, kPlain},
    {"ArcSin X / Y", {317, 352, 104, 25}, kPlain},
    {"ArcCos X / Y", {209, 352, 104, 25}, kPlain},
    {"X * Tan Y", {209, 324, 104, 25}, kPlain},
    {"X * CoTan Y", {317, 324, 104, 25}, kPlain},
    {"ArcCoTan X/Y", {317, 380, 104, 25}, kPlain},
    {"Sqrt(1 - Sin^ 2 X)", {209, 408, 104, 25}, kPlain},
    {"Sqrt(1 - Cos^ 2 X)", {317, 408, 106, 25}, kPlain},
    {"Sqrt(Sec^ 2 X - 1)", {209, 436, 104, 25}, kPlain},
    {"Sqrt(1 + Tan^ 2 X)", {317, 436, 106, 25}, kPlain},
    {"Sqrt(CoSec^ 2 X - 1)", {209, 464, 108, 25}, kPlain},
    {"Sqrt(1 + CoTan^ 2 X )", {317, 464, 114, 25}, kPlain},
    {"X * Sin Y / Sin X", {209, 492, 104, 25}, kPlain},
    {"Y * Sin X / Sin Y", {317, 492, 114, 25}, kPlain},
    {"1 / Sqrt(x^2 + y^ 2)", {425, 240, 152, 25}, kPlain},
    {"Sqrt(x^2 + y^ 2 + z^2)", {425, 268, 152, 25}, kPlain},
    {"Sqrt(x^2 - y^ 2 - z^2)", {425, 296, 152, 25}, kPlain},
    {"ArcCos X / Sqrt(x^2 + y^ 2)", {425, 324, 160, 25}, kPlain},
    {"ArcSin Y / Sqrt(x^2 + y^ 2)", {425, 352, 160, 25}, kPlain},
    {"ArcTan Z / Sqrt(x^2 + y^ 2)", {425, 380, 164, 25}, kPlain},
    {"Sqrt[X^2 + Y^2 - 2XYcosZ]", {425, 408, 164, 25}, kPlain},
    {"1/ 2 [Sin (X + Y) + Sin (X - Y)]", {425, 436, 164, 25}, kPlain},
    {"1/ 2 [Cos (X + Y) + Cos (X - Y)]", {433, 464, 164, 25}, kPlain},
    {"1/ 2 [Cos (X - Y) - Cos (X + Y)]", {433, 492, 164, 25}, kPlain},
    {"X * Cos Y * Cos Z", {209, 520, 104, 25}, kPlain},
    {"X * Cos Y * Sin Z", {317, 520, 104, 25}, kPlain},
    {"1 / sqrt(2Pi) - e ^ (-X^2 / 2)", {433, 520, 164, 25}, kPlain},
    {"Binomial (N,K)", {597, 348, 102, 25}, kPlain},
    // Constants: values.
    {"Pi", {222, 124, 30, 25}, kMenuText},
    {"2Pi", {371, 124, 33, 25}, kPlain},
    {"Pi / 2", {405, 124, 39, 25}, kPlain},
    {"Sqrt Pi", {444, 124, 47, 25}, kPlain},
    {"Sqrt 2Pi", {254, 124, 49, 25}, kPlain},
    {"1 / Sqrt2Pi", {304, 124, 67, 25}, kPlain},
    {"Ln Sqrt2Pi", {326, 98, 63, 25}, kPlain},
    {"Ln 2Pi / 2", {485, 98, 60, 25}, kPlain},
    {"Ln Pi", {290, 98, 35, 25}, kPlain},
    {"Ln2", {222, 98, 33, 25}, kPlain},
    {"Ln10", {256, 98, 33, 25}, kPlain},
    {"Inv Ln2", {390, 98, 45, 25}, kPlain},
    {"Inv Ln10", {434, 98, 51, 25}, kPlain},
    {"Sqrt2", {222, 150, 43, 25}, kPlain},
    {"Sqrt2 / 2", {265, 150, 60, 25}, kPlain},
    {"Gold", {222, 46, 33, 25}, kPlain},
    {"CGold", {256, 46, 43, 25}, kPlain},
    // Constants: texts.
    {"e", {299, 46, 33, 25}, kPlain},
    {"y", {332, 46, 33, 25}, kPlain},
    {"Euler", {264, 72, 42, 25}, kPlain},
    {"Sqrt3", {325, 150, 46, 25}, kPlain},
    {"Omega", {438, 46, 42, 25}, kPlain},
    {"Gauss", {222, 72, 42, 25}, kPlain},
    {"Laplace", {306, 72, 51, 25}, kPlain},
    {"Plastique", {357, 72, 51, 25}, kPlain},
    {"Fibonacci", {446, 72, 51, 25}, kPlain},
    {"c", {366, 46, 33, 25}, kPlain},
    {"g0", {400, 46, 38, 25}, kPlain},
    {"G(80)", {408, 72, 38, 25}, kPlain},
    {"h (11)", {663, 46, 35, 25}, kPlain},
    {"h / 2pi (18)", {634, 72, 64, 25}, kPlain},
    {"mp(16)", {653, 98, 45, 25}, kPlain},
    {"lp(12)", {653, 126, 45, 25}, kPlain},
    {"tp(40)", {653, 150, 45, 25}, kPlain},
    {"Tp(11)", {653, 176, 45, 25}, kPlain},
    {"Q", {653, 202, 45, 25}, kPlain},
    {"Ep", {653, 228, 45, 25}, kPlain},
    {"Fp", {653, 254, 45, 25}, kPlain},
    {"Pp", {653, 280, 45, 25}, kPlain},
};

// Whether `places` gives every key of `keys` its place and every place its key: one place per
// key, for the key of the same caption, in the same order. The panel takes each key's place by
// its row, so a key added to the table without its place, or a place without its key, is a
// compile error below rather than a key drawn where another belongs.
constexpr bool KeyPlacesMatchKeys(std::span<const calculator::KeyRow> keys,
                                  std::span<const KeyLayout> places) {
  if (keys.size() != places.size()) return false;
  for (std::size_t row = 0; row < keys.size(); ++row)
    if (keys[row].caption != places[row].caption) return false;
  return true;
}
static_assert(KeyPlacesMatchKeys(calculator::CalculatorKeys(), kKeyLayout),
              "one layout row per key table row, in the same order");

inline constexpr PanelLabel kPanelLabels[] = {
    {"Const", {292, 15, 0, 0}, kHeading, {}},      {"Planck", {634, 21, 0, 0}, kHeading, {}},
    {"Fonctions", {334, 207, 0, 0}, kHeading, {}}, {"Mem", {194, 566, 0, 0}, kHeading, "mem"},
    {"X", {4, 440, 0, 0}, kRegisterLabel, "X1"},   {"Y", {4, 504, 0, 0}, kRegisterLabel, "Y1"},
    {"Z", {8, 560, 0, 0}, kRegisterLabel, "Z1"},   {"N=X", {614, 328, 0, 0}, kBinomialLabel, {}},
    {"K=Y", {664, 326, 0, 0}, kBinomialLabel, {}},
};

inline constexpr PanelPlace kFieldPlaces[] = {
    {"Calc", {22, 41, 185, 23}}, {"mem", {194, 590, 227, 23}}, {"X1", {6, 470, 171, 23}},
    {"Y1", {6, 533, 171, 23}},   {"Z1", {6, 590, 171, 23}},
};

inline constexpr PanelPlace kAnglePlaces[] = {
    {"Rad", {176, 6, 49, 17}},
    {"Grad", {224, 6, 49, 17}},
    {"Deg", {176, 24, 49, 17}},
};

}  // namespace vaneko::app
