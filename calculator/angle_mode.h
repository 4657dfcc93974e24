// The angle mode's conversions and the processor's sine and cosine, in extended precision.
#pragma once

#include "calculator/calculator_model.h"
#include "core/fp_faults.h"

namespace vaneko::calculator {

// An angle in `mode` converted to radians (a circular function's argument).
Extended ToRadians(Extended angle, AngleMode mode);
// An angle in radians converted to `mode` (an inverse circular function's result).
Extended FromRadians(Extended radians, AngleMode mode);

// Sine and cosine of an angle in radians; 0 for a magnitude of 2^63 or more, which the
// processor's own instructions do not reduce.
Extended Sine(Extended radians);
Extended Cosine(Extended radians);

}  // namespace vaneko::calculator
