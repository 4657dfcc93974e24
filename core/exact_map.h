// Conversions that are exact to the last digit shown. A conversion is a map of the typed value,
// y = x × scale + offset (a ratio of two unit sizes, or a temperature scale), or
// y = scale / x (a reciprocal pair of fuel economy), whose constants are exact sizes. The result
// is the exact value of the map at the exact typed decimal, rounded once to the 15 significant
// digits the number writer shows, a half away from zero.
//
// Most values are settled in a few extended operations: the error of that computation is
// bounded, and when the whole error interval rounds to the same 15 digits, those digits are
// right. Only a result that close to a rounding boundary is recomputed exactly, with whole-
// number rationals (or, for a size defined through π, with 80 significant digits).
#pragma once

#include "core/exact_size.h"
#include "core/number_text.h"

namespace vaneko {

struct ExactMap {
  ExactSize scale = Whole(1);
  ExactSize offset = Whole(0);
  bool reciprocal = false;  // y = scale / x; offset unused
};

// The map applied to `x`, correctly rounded to 15 significant digits and returned as the
// extended value nearest to those digits (so that FormatNumber writes exactly them). A
// reciprocal of zero raises the division-by-zero fault; a result beyond the extended range
// the overflow fault.
Extended ApplyExactly(const DecimalNumber& x, const ExactMap& map);

// The exact path alone, for tests and benchmarks: the same result without the fast path.
Extended ApplyExactlySlow(const DecimalNumber& x, const ExactMap& map);

}  // namespace vaneko
