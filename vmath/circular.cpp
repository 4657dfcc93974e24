// The tangent and the inverse circular functions, in radians.
#include <cmath>

#include "vmath/fault_flags.h"
#include "vmath/vmath.h"

using vmath_detail::DomainFault;
using vmath_detail::Narrow;

extern "C" {

double Tan(double x) {
  return Narrow(std::tan(static_cast<long double>(x)));
}

double ArcSin(double x) {
  if (std::fabs(x) > 1) return DomainFault();
  return Narrow(std::asin(static_cast<long double>(x)));
}

double ArcCos(double x) {
  if (std::fabs(x) > 1) return DomainFault();
  return Narrow(std::acos(static_cast<long double>(x)));
}

// The angle whose tangent is a / b, in the quadrant of the point (b, a).
double ArcTan2(double a, double b) {
  return Narrow(std::atan2(static_cast<long double>(a), static_cast<long double>(b)));
}

}  // extern "C"
