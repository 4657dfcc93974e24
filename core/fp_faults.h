// Floating-point fault detection. The arithmetic of the converter and the calculator runs in
// 80-bit extended precision; an invalid operation, a division by zero or an overflow ends the
// user's action with "Invalid floating point operation", "Floating point division by zero" or
// "Floating point overflow". Inexact, underflow and denormal results pass silently.
//
// This module is the only place that reads the processor's exception flags: a computation is
// wrapped in Guarded(), which clears the flags, runs it and turns a raised flag into the
// matching exception. Our maths library reports its own faults through the same flags.
#pragma once

#include <limits>

namespace vaneko {

static_assert(std::numeric_limits<long double>::digits == 64,
              "Vaneko computes in the 80-bit extended format (64-bit mantissa)");

using Extended = long double;

namespace fp_detail {
void ClearFlags();
// Throws EOverflow, EZeroDivide or EInvalidOp when the matching flag is raised; with several
// raised, the fault that came first.
void RaiseIfFaulted();
// Keeps the compiler from moving the computation of `value` past the flag test.
template <class T>
inline void Settle(T& value) {
  asm volatile("" : "+m"(value));
}
}  // namespace fp_detail

// Runs `compute` and raises the arithmetic fault it caused, if any. Returns its result.
template <class F>
auto Guarded(F&& compute) {
  fp_detail::ClearFlags();
  auto result = compute();
  fp_detail::Settle(result);
  fp_detail::RaiseIfFaulted();
  return result;
}

// Stores an extended value into a double (the converter's value, the accumulator, registry
// results): a finite value beyond the double range is an overflow, as on the processor.
double NarrowToDouble(Extended value);

}  // namespace vaneko
