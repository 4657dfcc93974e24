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

// A pole reached exactly (the logarithm of zero): the division-by-zero flag and -infinity.
inline double PoleFault() {
  std::feraiseexcept(FE_DIVBYZERO);
  return -HUGE_VAL;
}

// Hands an extended result back as a double: a finite value too large for a double raises
// the overflow flag (the processor does so on the narrowing store; this makes it certain).
inline double Narrow(long double value) {
  const double narrowed = static_cast<double>(value);
  if (std::isinf(narrowed) && std::isfinite(value)) return OverflowFault(value < 0);
  return narrowed;
}

}  // namespace vmath_detail
