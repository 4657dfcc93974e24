// Exponentials, logarithms, powers, the Euclidean norm and the normal density.
#include <cmath>

#include "vmath/fault_flags.h"
#include "vmath/vmath.h"

using vmath_detail::DomainFault;
using vmath_detail::Narrow;
using vmath_detail::PoleFault;

namespace {
// 1 / sqrt(2 pi), to the extended format's precision.
constexpr long double kInverseSqrtTwoPi = 0.398942280401432677939946059934381868L;
}  // namespace

extern "C" {

double Expo(double x) {
  return Narrow(std::exp(static_cast<long double>(x)));
}

double Exp10(double x) {
  return Narrow(std::pow(10.0L, static_cast<long double>(x)));
}

double Log10(double x) {
  if (x < 0) return DomainFault();
  if (x == 0) return PoleFault();
  return Narrow(std::log10(static_cast<long double>(x)));
}

double Power(double x, double y) {
  // Zero to a negative power is a pole: +infinity, or -infinity for -0 to an odd power.
  if (x == 0 && y < 0) return PoleFault(std::signbit(x) && std::fmod(y, 2) == -1);
  return Narrow(std::pow(static_cast<long double>(x), static_cast<long double>(y)));
}

double Pythag(double x, double y) {
  return Narrow(std::hypot(static_cast<long double>(x), static_cast<long double>(y)));
}

double DNorm(double x) {
  const long double lx = x;
  return Narrow(std::exp(-lx * lx / 2) * kInverseSqrtTwoPi);
}

}  // extern "C"
