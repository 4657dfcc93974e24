// π, stated once: the extended value nearest to it. Sizes defined through π (the degree, the
// grad) and the calculator's π keys use it; where more digits are needed, they are computed.
#pragma once

#include "core/fp_faults.h"

namespace vaneko {

inline constexpr Extended kPi = 3.141592653589793238462643383279502884L;

}  // namespace vaneko
