// Caption colours that stay readable on their background. A caption keeps its hue and
// saturation (HSL), which tell the key groups apart, but where it reaches less than the WCAG
// contrast of 4.5:1 with its background it is drawn in the shade of that hue closest to the
// original lightness that does reach it.
#pragma once

#include <cstdint>

namespace vaneko::app {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

// The lowest contrast a caption is drawn with, WCAG's level AA for normal text.
inline constexpr double kMinimumCaptionContrast = 4.5;

// The lightness steps a shade is chosen from: HSL lightness in steps of 1/kLightnessSteps, fine
// enough that a fully saturated hue moves by one level of its strongest channel per step.
inline constexpr int kLightnessSteps = 510;

// WCAG relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(Rgb colour);
// WCAG contrast ratio, 1 to 21, the same whichever colour is given first.
double ContrastRatio(Rgb a, Rgb b);

// The colour's HSL lightness as a step, 0 to kLightnessSteps, rounded to the nearest one.
int LightnessStep(Rgb colour);
// The colour of the same HSL hue and saturation at lightness `step` / kLightnessSteps.
Rgb WithLightnessStep(Rgb colour, int step);

// `caption` itself if it reaches kMinimumCaptionContrast on `background`; otherwise the shade
// of the same hue and saturation nearest to its lightness that reaches it (black or white at
// worst).
Rgb ReadableCaption(Rgb caption, Rgb background);

}  // namespace vaneko::app
