// Helpers for the steps of a guarded computation (inside Guarded): a processor that traps
// arithmetic faults stops at the first faulting step, so a later step must not turn that fault
// into another one (1 / 0 handed to the arc cosine is a division by zero, not an invalid
// argument).
#pragma once

#include <cfenv>
#include <cmath>

#include "core/fp_faults.h"

namespace vaneko::calculator {

// Ends the computation with the fault of the steps so far, if any; otherwise passes `value` on.
inline Extended EndOfStep(Extended value) {
  fp_detail::Settle(value);  // computed before the flags are read, not moved past the test
  fp_detail::RaiseIfFaulted();
  return value;
}

// Narrows an argument for the maths library, which takes 64-bit doubles. A fault of the steps
// that computed it ends the computation first; a finite value beyond the double range is an
// overflow, as the processor's store makes it.
inline double LibraryArgument(Extended value) {
  fp_detail::Settle(value);
  fp_detail::RaiseIfFaulted();
  const double narrowed = static_cast<double>(value);
  if (std::isinf(narrowed) && std::isfinite(value)) std::feraiseexcept(FE_OVERFLOW);
  fp_detail::RaiseIfFaulted();
  return narrowed;
}

// The square root; a negative argument is the invalid operation. MinGW-w64's sqrtl returns its
// NaN without raising the flag, so the flag is raised here, the same on every platform.
inline Extended SquareRoot(Extended value) {
  if (value < 0) {
    volatile Extended zero = 0;
    return zero / zero;
  }
  return std::sqrt(value);
}

}  // namespace vaneko::calculator
