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
  return std::sin(radians);
}

Extended Cosine(Extended radians) {
  if (std::fabs(radians) >= kLargestReducedAngle) return 0;
  return std::cos(radians);
}

}  // namespace vaneko::calculator
