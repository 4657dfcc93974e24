#include "app/caption_contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vaneko::app {

namespace {

double Channel(Rgb colour, int shift) {
  return ((colour >> shift) & 0xFF) / 255.0;
}

// sRGB to linear light, as WCAG defines it.
double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

struct Hsl {
  double hue;  // 0 to 6, in sextants
  double saturation;
  double lightness;
};

Hsl ToHsl(Rgb colour) {
  const double r = Channel(colour, 16), g = Channel(colour, 8), b = Channel(colour, 0);
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  const double lightness = (high + low) / 2;
  const double chroma = high - low;
  if (chroma == 0) return {0, 0, lightness};
  const double saturation = chroma / (1 - std::abs(2 * lightness - 1));
  double hue = 0;
  if (high == r)
    hue = std::fmod((g - b) / chroma + 6, 6);
  else if (high == g)
    hue = (b - r) / chroma + 2;
  else
    hue = (r - g) / chroma + 4;
  return {hue, saturation, lightness};
}

Rgb FromHsl(const Hsl& hsl) {
  const double chroma = (1 - std::abs(2 * hsl.lightness - 1)) * hsl.saturation;
  const double x = chroma * (1 - std::abs(std::fmod(hsl.hue, 2) - 1));
  const double m = hsl.lightness - chroma / 2;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hsl.hue) % 6) {
    case 0:
      r = chroma, g = x;
      break;
    case 1:
      r = x, g = chroma;
      break;
    case 2:
      g = chroma, b = x;
      break;
    case 3:
      g = x, b = chroma;
      break;
    case 4:
      r = x, b = chroma;
      break;
    default:
      r = chroma, b = x;
      break;
  }
  const auto level = [m](double channel) {
    return static_cast<Rgb>(std::clamp(std::lround((channel + m) * 255), 0L, 255L));
  };
  return level(r) << 16 | level(g) << 8 | level(b);
}

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(Channel(colour, 16)) + 0.7152 * Linear(Channel(colour, 8)) +
         0.0722 * Linear(Channel(colour, 0));
}

double ContrastRatio(Rgb a, Rgb b) {
  const double first = RelativeLuminance(a), second = RelativeLuminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

int LightnessStep(Rgb colour) {
  return static_cast<int>(std::lround(ToHsl(colour).lightness * kLightnessSteps));
}

Rgb WithLightnessStep(Rgb colour, int step) {
  Hsl hsl = ToHsl(colour);
  hsl.lightness = static_cast<double>(std::clamp(step, 0, kLightnessSteps)) / kLightnessSteps;
  return FromHsl(hsl);
}

Rgb ReadableCaption(Rgb caption, Rgb background) {
  if (ContrastRatio(caption, background) >= kMinimumCaptionContrast) return caption;
  // Walk away from the original lightness, one step darker and one lighter at a time; the
  // first shade that reads well is the nearest one. Black and white end the walk.
  const int start = LightnessStep(caption);
  for (int distance = 1; distance <= kLightnessSteps; ++distance) {
    for (const int step : {start - distance, start + distance}) {
      if (step < 0 || step > kLightnessSteps) continue;
      const Rgb shade = WithLightnessStep(caption, step);
      if (ContrastRatio(shade, background) >= kMinimumCaptionContrast) return shade;
    }
  }
  return RelativeLuminance(background) > 0.18 ? 0x000000 : 0xFFFFFF;
}

}  // namespace vaneko::app
