#include "calculator/key_table.h"

namespace vaneko::calculator {

namespace {

template <void (CalculatorModel::*Handler)()>
void Run(CalculatorModel& model) {
  (model.*Handler)();
}

template <char Key>
void Digit(CalculatorModel& model) {
  model.Button40Click(Key);
}

// Caption styles.
constexpr CaptionStyle kPlain{};
constexpr CaptionStyle kAqua{CaptionColour::Aqua, false, 12};
constexpr CaptionStyle kFuchsia{CaptionColour::Fuchsia, false, 12};
constexpr CaptionStyle kMenuText{CaptionColour::MenuText, false, 12};
constexpr CaptionStyle kBold{CaptionColour::Default, true, 12};
constexpr CaptionStyle kComma{CaptionColour::Default, false, 16};
constexpr CaptionStyle kBackspace{CaptionColour::Default, false, 15};
constexpr CaptionStyle kRegisterKey{CaptionColour::Default, true, 16};
constexpr CaptionStyle kHeading{CaptionColour::DesktopBackground, false, 19};
constexpr CaptionStyle kRegisterLabel{CaptionColour::DesktopBackground, true, 21};
constexpr CaptionStyle kBinomialLabel{CaptionColour::DesktopBackground, true, 16};

// The control, handler and action of key ButtonN, whose handler is ButtonNClick.
#define VANEKO_KEY(n) "Button" #n, "Button" #n "Click", &Run<&CalculatorModel::Button##n##Click>
// A digit or comma key: its own control, the shared handler Button40Click.
#define VANEKO_DIGIT(control, key) control, "Button40Click", &Digit<key>

constexpr CalcKey kKeys[] = {
    // Entry, operators and "=".
    {"7", VANEKO_DIGIT("Button9", '7'), {54, 102, 33, 25}, kPlain, {}},
    {"8", VANEKO_DIGIT("Button8", '8'), {93, 102, 33, 25}, kPlain, {}},
    {"9", VANEKO_DIGIT("Button7", '9'), {132, 102, 33, 25}, kPlain, {}},
    {"4", VANEKO_DIGIT("Button11", '4'), {54, 134, 33, 25}, kPlain, {}},
    {"5", VANEKO_DIGIT("Button12", '5'), {93, 134, 33, 25}, kPlain, {}},
    {"6", VANEKO_DIGIT("Button13", '6'), {132, 134, 33, 25}, kPlain, {}},
    {"1", VANEKO_DIGIT("Button14", '1'), {55, 167, 33, 25}, kPlain, {}},
    {"2", VANEKO_DIGIT("Button19", '2'), {93, 167, 33, 25}, kPlain, {}},
    {"3", VANEKO_DIGIT("Button20", '3'), {132, 167, 33, 25}, kPlain, {}},
    {"0", VANEKO_DIGIT("Button40", '0'), {53, 199, 33, 25}, kAqua, {}},
    {",", VANEKO_DIGIT("Button45", ','), {93, 199, 32, 25}, kComma, {}},
    {"C", VANEKO_KEY(41), {54, 70, 32, 25}, kPlain, {}},
    {"<<", VANEKO_KEY(46), {93, 70, 32, 25}, kBackspace, {}},
    {"+/-", VANEKO_KEY(42), {132, 70, 32, 25}, kPlain, {}},
    {"*", VANEKO_KEY(15), {171, 102, 32, 25}, kPlain, {}},
    {"/", VANEKO_KEY(16), {171, 134, 32, 25}, kPlain, {}},
    {"-", VANEKO_KEY(17), {171, 167, 32, 25}, kPlain, {}},
    {"+", VANEKO_KEY(18), {171, 199, 32, 25}, kPlain, {}},
    {"x % de y", VANEKO_KEY(43), {6, 264, 65, 25}, kPlain, {}},
    {"x^Y", VANEKO_KEY(26), {92, 231, 33, 25}, kPlain, {}},
    {"x^1/y", VANEKO_KEY(29), {52, 231, 33, 25}, kPlain, {}},
    {"=", VANEKO_KEY(6), {132, 200, 32, 25}, kPlain, {}},

    // Memory, registers and the exchange with the converter.
    {"M", VANEKO_KEY(37), {4, 71, 32, 25}, kBold, {}},
    {"MR", VANEKO_KEY(21), {236, 563, 32, 25}, kPlain, {}},
    {"MC", VANEKO_KEY(10), {334, 563, 32, 25}, kPlain, {}},
    {"M+", VANEKO_KEY(38), {269, 563, 32, 25}, kPlain, {}},
    {"M-", VANEKO_KEY(39), {301, 563, 32, 25}, kPlain, {}},
    {"X", VANEKO_KEY(28), {81, 263, 32, 25}, kRegisterKey, {}},
    {"XR", VANEKO_KEY(105), {25, 442, 32, 25}, kPlain, {}},
    {"XC", VANEKO_KEY(108), {127, 442, 32, 25}, kPlain, {}},
    {"X+", VANEKO_KEY(106), {59, 442, 32, 25}, kPlain, {}},
    {"X-", VANEKO_KEY(107), {93, 442, 32, 25}, kPlain, {}},
    {"Y", VANEKO_KEY(103), {121, 263, 32, 25}, kRegisterKey, {}},
    {"YR", VANEKO_KEY(111), {25, 506, 32, 25}, kPlain, {}},
    {"YC", VANEKO_KEY(114), {127, 506, 32, 25}, kPlain, {}},
    {"Y+", VANEKO_KEY(112), {59, 506, 32, 25}, kPlain, {}},
    {"Y-", VANEKO_KEY(113), {93, 506, 32, 25}, kPlain, {}},
    {"Z", VANEKO_KEY(104), {161, 263, 32, 25}, kRegisterKey, {}},
    {"ZR", VANEKO_KEY(115), {25, 562, 32, 25}, kPlain, {}},
    {"ZC", VANEKO_KEY(118), {126, 562, 32, 25}, kPlain, {}},
    {"Z+", VANEKO_KEY(116), {59, 562, 32, 25}, kPlain, {}},
    {"Z-", VANEKO_KEY(117), {93, 562, 32, 25}, kPlain, {}},
    {"Saisir Résultat", VANEKO_KEY(22), {26, 9, 81, 25}, kPlain, {}},
    {"Coller", VANEKO_KEY(23), {114, 9, 57, 25}, kPlain, {}},

    // Functions of the entry.
    {"x^2", VANEKO_KEY(24), {133, 231, 33, 25}, kPlain, {}},
    {"x^3", VANEKO_KEY(25), {172, 231, 33, 25}, kPlain, {}},
    {"1/x", VANEKO_KEY(27), {5, 231, 32, 25}, kPlain, {}},
    {"Log", VANEKO_KEY(30), {4, 167, 33, 25}, kPlain, {}},
    {"Ln", VANEKO_KEY(31), {4, 103, 33, 25}, kFuchsia, {}},
    {"Sin", VANEKO_KEY(34), {9, 296, 33, 25}, kPlain, {}},
    {"Cos", VANEKO_KEY(35), {43, 296, 33, 25}, kPlain, {}},
    {"Tan", VANEKO_KEY(36), {77, 296, 33, 25}, kPlain, {}},
    {"ArcSin", VANEKO_KEY(60), {9, 324, 44, 25}, kAqua, {}},
    {"ArcCos", VANEKO_KEY(61), {53, 324, 44, 25}, kAqua, {}},
    {"ArcTan", VANEKO_KEY(62), {97, 324, 44, 25}, kAqua, {}},
    {"e^x", VANEKO_KEY(63), {4, 136, 33, 25}, kPlain, {}},
    {"10^x", VANEKO_KEY(64), {4, 200, 33, 25}, kPlain, {}},
    {"CoTan", VANEKO_KEY(66), {112, 296, 45, 25}, kPlain, {}},
    {"ArcCoTan", VANEKO_KEY(67), {142, 324, 60, 25}, kAqua, {}},
    {"Sin h", VANEKO_KEY(109), {9, 378, 33, 25}, kPlain, {}},
    {"ArcSin h", VANEKO_KEY(110), {9, 404, 56, 25}, kPlain, {}},
    {"Cos h", VANEKO_KEY(119), {43, 378, 40, 25}, kPlain, {}},
    {"ArcCos h", VANEKO_KEY(120), {65, 404, 56, 25}, kPlain, {}},
    {"Tan h", VANEKO_KEY(122), {84, 378, 40, 25}, kPlain, {}},
    {"ArcTan h", VANEKO_KEY(121), {121, 404, 56, 25}, kPlain, {}},
    {"Sec", VANEKO_KEY(123), {9, 352, 33, 25}, kPlain, {}},
    {"CoSec", VANEKO_KEY(124), {43, 352, 40, 25}, kPlain, {}},
    {"ArcSec", VANEKO_KEY(125), {84, 352, 44, 25}, kPlain, {}},
    {"ArcCoSec", VANEKO_KEY(126), {129, 352, 60, 25}, kPlain, {}},
    {"N !", VANEKO_KEY(167), {219, 187, 33, 25}, kPlain, {}},
    {"Gamma ", VANEKO_KEY(168), {253, 187, 52, 25}, kPlain, {}},

    // Formulas over the registers.
    {"Sqrt(x^2 + y^ 2)", VANEKO_KEY(127), {209, 240, 104, 25}, kPlain, {}},
    {"ArcTan X / Y", VANEKO_KEY(128), {209, 380, 104, 25}, kPlain, {}},
    {"Sqrt(x^2 - y^ 2)", VANEKO_KEY(129), {317, 240, 104, 25}, kPlain, {}},
    {"X / Sin Y", VANEKO_KEY(130), {209, 268, 104, 25}, kPlain, {}},
    {"X / Cos Y", VANEKO_KEY(131), {317, 268, 104, 25}, kPlain, {}},
    {"X * Sin Y", VANEKO_KEY(132), {209, 296, 104, 25}, kPlain, {}},
    {"X * CosY", VANEKO_KEY(133), {317, 296, 104, 25}, kPlain, {}},
    {"ArcSin X / Y", VANEKO_KEY(134), {317, 352, 104, 25}, kPlain, {}},
    {"ArcCos X / Y", VANEKO_KEY(135), {209, 352, 104, 25}, kPlain, {}},
    {"X * Tan Y", VANEKO_KEY(136), {209, 324, 104, 25}, kPlain, {}},
    {"X * CoTan Y", VANEKO_KEY(137), {317, 324, 104, 25}, kPlain, {}},
    {"ArcCoTan X/Y", VANEKO_KEY(138), {317, 380, 104, 25}, kPlain, {}},
    {"Sqrt(1 - Sin^ 2 X)", VANEKO_KEY(139), {209, 408, 104, 25}, kPlain, {}},
    {"Sqrt(1 - Cos^ 2 X)", VANEKO_KEY(140), {317, 408, 106, 25}, kPlain, {}},
    {"Sqrt(Sec^ 2 X - 1)", VANEKO_KEY(141), {209, 436, 104, 25}, kPlain, {}},
    {"Sqrt(1 + Tan^ 2 X)", VANEKO_KEY(142), {317, 436, 106, 25}, kPlain, {}},
    {"Sqrt(CoSec^ 2 X - 1)", VANEKO_KEY(143), {209, 464, 108, 25}, kPlain, {}},
    {"Sqrt(1 + CoTan^ 2 X )", VANEKO_KEY(144), {317, 464, 114, 25}, kPlain, {}},
    {"X * Sin Y / Sin X", VANEKO_KEY(145), {209, 492, 104, 25}, kPlain, {}},
    {"Y * Sin X / Sin Y", VANEKO_KEY(147), {317, 492, 114, 25}, kPlain, {}},
    {"1 / Sqrt(x^2 + y^ 2)", VANEKO_KEY(151), {425, 240, 152, 25}, kPlain, {}},
    {"Sqrt(x^2 + y^ 2 + z^2)", VANEKO_KEY(148), {425, 268, 152, 25}, kPlain, {}},
    {"Sqrt(x^2 - y^ 2 - z^2)", VANEKO_KEY(149), {425, 296, 152, 25}, kPlain, {}},
    {"ArcCos X / Sqrt(x^2 + y^ 2)", VANEKO_KEY(152), {425, 324, 160, 25}, kPlain, {}},
    {"ArcSin Y / Sqrt(x^2 + y^ 2)", VANEKO_KEY(153), {425, 352, 160, 25}, kPlain, {}},
    {"ArcTan Z / Sqrt(x^2 + y^ 2)", VANEKO_KEY(150), {425, 380, 164, 25}, kPlain, {}},
    {"Sqrt[X^2 + Y^2 - 2XYcosZ]", VANEKO_KEY(146), {425, 408, 164, 25}, kPlain, {}},
    {"1/ 2 [Sin (X + Y) + Sin (X - Y)]", VANEKO_KEY(154), {425, 436, 164, 25}, kPlain, {}},
    {"1/ 2 [Cos (X + Y) + Cos (X - Y)]", VANEKO_KEY(155), {433, 464, 164, 25}, kPlain, {}},
    {"1/ 2 [Cos (X - Y) - Cos (X + Y)]", VANEKO_KEY(156), {433, 492, 164, 25}, kPlain, {}},
    {"X * Cos Y * Cos Z", VANEKO_KEY(158), {209, 520, 104, 25}, kPlain, {}},
    {"X * Cos Y * Sin Z", VANEKO_KEY(159), {317, 520, 104, 25}, kPlain, {}},
    {"1 / sqrt(2Pi) - e ^ (-X^2 / 2)", VANEKO_KEY(160), {433, 520, 164, 25}, kPlain, {}},
    {"Binomial (N,K)", VANEKO_KEY(161), {597, 348, 102, 25}, kPlain, {}},

    // Constants: values.
    {"Pi", VANEKO_KEY(32), {222, 124, 30, 25}, kMenuText, {}},
    {"2Pi", VANEKO_KEY(72), {371, 124, 33, 25}, kPlain, {}},
    {"Pi / 2", VANEKO_KEY(76), {405, 124, 39, 25}, kPlain, {}},
    {"Sqrt Pi", VANEKO_KEY(77), {444, 124, 47, 25}, kPlain, {}},
    {"Sqrt 2Pi", VANEKO_KEY(79), {254, 124, 49, 25}, kPlain, {}},
    {"1 / Sqrt2Pi", VANEKO_KEY(78), {304, 124, 67, 25}, kPlain, {}},
    {"Ln Sqrt2Pi", VANEKO_KEY(74), {326, 98, 63, 25}, kPlain, {}},
    {"Ln 2Pi / 2", VANEKO_KEY(82), {485, 98, 60, 25}, kPlain, {}},
    {"Ln Pi", VANEKO_KEY(70), {290, 98, 35, 25}, kPlain, {}},
    {"Ln2", VANEKO_KEY(68), {222, 98, 33, 25}, kPlain, {}},
    {"Ln10", VANEKO_KEY(69), {256, 98, 33, 25}, kPlain, {}},
    {"Inv Ln2", VANEKO_KEY(71), {390, 98, 45, 25}, kPlain, {}},
    {"Inv Ln10", VANEKO_KEY(73), {434, 98, 51, 25}, kPlain, {}},
    {"Sqrt2", VANEKO_KEY(81), {222, 150, 43, 25}, kPlain, {}},
    {"Sqrt2 / 2", VANEKO_KEY(80), {265, 150, 60, 25}, kPlain, {}},
    {"Gold", VANEKO_KEY(65), {222, 46, 33, 25}, kPlain, {}},
    {"CGold", VANEKO_KEY(75), {256, 46, 43, 25}, kPlain, {}},
    // Constants: texts.
    {"e", VANEKO_KEY(33), {299, 46, 33, 25}, kPlain, {}},
    {"y", VANEKO_KEY(5), {332, 46, 33, 25}, kPlain, "Gamma"},
    {"Euler", VANEKO_KEY(88), {264, 72, 42, 25}, kPlain, {}},
    {"Sqrt3", VANEKO_KEY(90), {325, 150, 46, 25}, kPlain, {}},
    {"Omega", VANEKO_KEY(86), {438, 46, 42, 25}, kPlain, {}},
    {"Gauss", VANEKO_KEY(87), {222, 72, 42, 25}, kPlain, {}},
    {"Laplace", VANEKO_KEY(89), {306, 72, 51, 25}, kPlain, {}},
    {"Plastique", VANEKO_KEY(91), {357, 72, 51, 25}, kPlain, {}},
    {"Fibonacci", VANEKO_KEY(92), {446, 72, 51, 25}, kPlain, {}},
    {"c", VANEKO_KEY(83), {366, 46, 33, 25}, kPlain, "Vitesse Lumière"},
    {"g0", VANEKO_KEY(84), {400, 46, 38, 25}, kPlain, {}},
    {"G(80)", VANEKO_KEY(85), {408, 72, 38, 25}, kPlain, {}},
    {"h (11)", VANEKO_KEY(93), {663, 46, 35, 25}, kPlain, {}},
    {"h / 2pi (18)", VANEKO_KEY(94), {634, 72, 64, 25}, kPlain, {}},
    {"mp(16)", VANEKO_KEY(95), {653, 98, 45, 25}, kPlain, {}},
    {"lp(12)", VANEKO_KEY(96), {653, 126, 45, 25}, kPlain, {}},
    {"tp(40)", VANEKO_KEY(97), {653, 150, 45, 25}, kPlain, {}},
    {"Tp(11)", VANEKO_KEY(98), {653, 176, 45, 25}, kPlain, {}},
    {"Q", VANEKO_KEY(99), {653, 202, 45, 25}, kPlain, {}},
    {"Ep", VANEKO_KEY(101), {653, 228, 45, 25}, kPlain, {}},
    {"Fp", VANEKO_KEY(100), {653, 254, 45, 25}, kPlain, {}},
    {"Pp", {}, {}, nullptr, {653, 280, 45, 25}, kPlain, {}},
};

#undef VANEKO_KEY
#undef VANEKO_DIGIT

constexpr PanelLabel kLabels[] = {
    {"Const", {292, 15, 0, 0}, kHeading},      {"Planck", {634, 21, 0, 0}, kHeading},
    {"Fonctions", {334, 207, 0, 0}, kHeading}, {"Mem", {194, 566, 0, 0}, kHeading},
    {"X", {4, 440, 0, 0}, kRegisterLabel},     {"Y", {4, 504, 0, 0}, kRegisterLabel},
    {"Z", {8, 560, 0, 0}, kRegisterLabel},     {"N=X", {614, 328, 0, 0}, kBinomialLabel},
    {"K=Y", {664, 326, 0, 0}, kBinomialLabel},
};

constexpr PanelField kFields[] = {
    {"Calc", Field::Calc, {22, 41, 185, 23}}, {"mem", Field::mem, {194, 590, 227, 23}},
    {"X1", Field::X1, {6, 470, 171, 23}},     {"Y1", Field::Y1, {6, 533, 171, 23}},
    {"Z1", Field::Z1, {6, 590, 171, 23}},
};

constexpr AngleButton kAngleButtons[] = {
    {"Rad", AngleMode::Radians, {176, 6, 49, 17}, false},
    {"Grad", AngleMode::Grads, {224, 6, 49, 17}, false},
    {"Deg", AngleMode::Degrees, {176, 24, 49, 17}, true},
};

}  // namespace

std::span<const CalcKey> CalculatorKeys() {
  return kKeys;
}
std::span<const PanelLabel> PanelLabels() {
  return kLabels;
}
std::span<const PanelField> PanelFields() {
  return kFields;
}
std::span<const AngleButton> AngleButtons() {
  return kAngleButtons;
}

const CalcKey* FindKey(std::string_view caption) {
  for (const CalcKey& key : kKeys)
    if (key.caption == caption) return &key;
  for (const CalcKey& key : kKeys) {
    const std::string_view shown = key.caption;
    if (shown.size() == caption.size() + 1 && shown.back() == ' ' && shown.starts_with(caption))
      return &key;
  }
  return nullptr;
}

}  // namespace vaneko::calculator
