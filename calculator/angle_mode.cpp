#include "calculator/angle_mode.h"

#include <cmath>

namespace vaneko::calculator {

namespace {

// Each conversion is one multiplication by an extended constant.
constexpr Extended kDegreesToRadians = 0.0174532925199432957692369076848861271L;  // pi/180
constexpr Extended kGradsToRadians = 0.0157079632679489661923132169163975144L;    // pi/200
constexpr Extended kRadiansToDegrees = 57.2957795130823208767981548141051703L;    // 180/pi
constexpr Extended kRadiansToGrads = 63.6619772367581343075535053490057448L;      // 200/pi

// 2^63: the largest magnitude the processor's sine and cosine reduce.
constexpr Extended kLargestReducedAngle = 9223372036854775808.0L;

#ifdef __MINGW32__
// MinGW-w64's sinl and cosl are the processor's fsin and fcos, which reduce the angle with a
// 66-bit π: near a multiple of π the result keeps only a few right digits (the sine of
// 3,14159265358979 came out as 3,23845767910558E-15 instead of 3,23846172363807E-15). There the
// angle is first reduced to [-π/4, π/4] against π/2 split into three parts (Cody and Waite):
// the first two hold 32 bits each, so k times them is exact, and the third the next 64.
constexpr Extended kHalfPi1 = 0x6487ED51p-30L;
constexpr Extended kHalfPi2 = 0x85A308D3p-65L;
constexpr Extended kHalfPi3 = 0x98CC51701B839A25p-132L;
constexpr Extended kLargestExactlyReduced = 0x1p31L;

// The sine (cosine when `cosine`) of `radians` through the reduced angle and its quadrant.
Extended ReducedSineOrCosine(Extended radians, bool cosine) {
  const Extended k = std::nearbyint(radians / (kHalfPi1 + kHalfPi2));
  const Extended r = ((radians - k * kHalfPi1) - k * kHalfPi2) - k * kHalfPi3;
  const long quadrant = (static_cast<long>(std::fmod(k, 4.0L)) + 4 + (cosine ? 1 : 0)) % 4;
  switch (quadrant) {
    case 0:
      return std::sin(r);
    case 1:
      return std::cos(r);
    case 2:
      return -std::sin(r);
    default:
      return -std::cos(r);
  }
}
#endif

}  // namespace

Extended ToRadians(Extended angle, AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees:
      return angle * kDegreesToRadians;
    case AngleMode::Grads:
      return angle * kGradsToRadians;
    case AngleMode::Radians:
      break;
  }
  return angle;
}

Extended FromRadians(Extended radians, AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees:
      return radians * kRadiansToDegrees;
    case AngleMode::Grads:
      return radians * kRadiansToGrads;
    case AngleMode::Radians:
      break;
  }
  return radians;
}

Extended Sine(Extended radians) {
  if (std::fabs(radians) >= kLargestReducedAngle) return 0;
#ifdef __MINGW32__
  if (std::fabs(radians) < kLargestExactlyReduced) return ReducedSineOrCosine(radians, false);
#endif
  return std::sin(radians);
}

Extended Cosine(Extended radians) {
  if (std::fabs(radians) >= kLargestReducedAngle) return 0;
#ifdef __MINGW32__
  if (std::fabs(radians) < kLargestExactlyReduced) return ReducedSineOrCosine(radians, true);
#endif
  return std::cos(radians);
}

}  // namespace vaneko::calculator
