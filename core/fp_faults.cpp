#include "core/fp_faults.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "core/errors.h"

namespace vaneko {

namespace fp_detail {

void ClearFlags() {
  std::feclearexcept(FE_ALL_EXCEPT);
}

void RaiseIfFaulted() {
  const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  std::feclearexcept(FE_ALL_EXCEPT);
  // The flags say which faults happened, not in which order, so the first one is told from
  // how one fault leads to another. An overflow or a division by zero yields an infinity; an
  // infinity makes later steps invalid (inf - inf, 0 * inf, the square root of -inf), and an
  // overflow's infinity divided into gives the zero of a later division by zero, but nothing
  // computed from a NaN raises any flag. So when several flags are up, the overflow came
  // first, then the division by zero, then the invalid operation: the fault a trapping
  // processor stops at. (Independent steps that could fault in another order are ended one by
  // one by the callers.)
  if (raised & FE_OVERFLOW) throw EOverflow();
  if (raised & FE_DIVBYZERO) throw EZeroDivide();
  if (raised & FE_INVALID) throw EInvalidOp();
}

}  // namespace fp_detail

double NarrowToDouble(Extended value) {
  if (std::isnan(value)) throw EInvalidOp();
  const double narrowed = static_cast<double>(value);
  if (std::isinf(narrowed)) throw EOverflow();
  return narrowed;
}

}  // namespace vaneko
