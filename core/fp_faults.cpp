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
  if (raised & FE_INVALID) throw EInvalidOp();
  if (raised & FE_DIVBYZERO) throw EZeroDivide();
  if (raised & FE_OVERFLOW) throw EOverflow();
}

}  // namespace fp_detail

double NarrowToDouble(Extended value) {
  if (std::isnan(value)) throw EInvalidOp();
  const double narrowed = static_cast<double>(value);
  if (std::isinf(narrowed)) throw EOverflow();
  return narrowed;
}

}  // namespace vaneko
