// How the library reports a fault: through the floating-point exception flags, as the
// processor does, so that a caller can clear the flags before a call and test them after it.
#pragma once

#include <cfenv>
#include <cmath>
#include <limits>

namespace vmath_detail {

// An argument outside the function's domain: the invalid-operation flag and a NaN.
inline double DomainFault() {
  std::feraiseexcept(FE_INVALID);
  return std::numeric_limits<double>::quiet_NaN();
}

// A result beyond the double range: the overflow flag and an infinity of the result's sign.
inline double OverflowFault(bool negative = false) {
  std::feraiseexcept(FE_OVERFLOW);
  return negative ? -HUGE_VAL : HUGE_VAL;
}

// A pole reached exactly (the logarithm of zero, zero to a negative power): the
// division-by-zero flag and an infinity, -infinity unless told otherwise.
inline double PoleFault(bool negative = true) {
  std::feraiseexcept(FE_DIVBYZERO);
  return negative ? -HUGE_VAL : HUGE_VAL;
}

// Hands an extended result back as a double. Our arguments are always finite and every pole is
// caught before the call, so an infinite result is an overflow and a NaN an invalid operation.
// Both flags are raised here, not left to the C library: MinGW-w64's long double functions
// (expl, powl, tgammal...) report these faults through errno only, or not at all. Where the
// library has raised a flag already, raising it again changes nothing.
inline double Narrow(long double value) {
  const double narrowed = static_cast<double>(value);
  if (std::isnan(narrowed)) return DomainFault();
  if (std::isinf(narrowed)) return OverflowFault(value < 0);
  return narrowed;
}

}  // namespace vmath_detail
