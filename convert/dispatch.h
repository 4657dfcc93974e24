// The conversion dispatch: each category supplies the formula of an ordered pair of list
// positions (from i, to j), or none. Formulas run in extended precision; the caller wraps the
// evaluation in the floating-point fault guard.
#pragma once

#include <optional>

#include "core/fp_faults.h"

namespace vaneko::convert {

// The converted value of `value` from position i to position j of one category, or nullopt when
// the pair has no formula (a position of -1, a heading line). Never called with i == j, except in
// the kitchen-measures category, which has no same-unit shortcut.
using PairFormula = std::optional<Extended> (*)(int i, int j, double value);

// The pair formulas of category `tab` (0 to 17); nullptr for a category with no formulas yet.
PairFormula CategoryFormula(int tab);

// Category formulas, one per category group.
std::optional<Extended> ConvertTemperature(int i, int j, double value);
std::optional<Extended> ConvertDistance(int i, int j, double value);
std::optional<Extended> ConvertMass(int i, int j, double value);
std::optional<Extended> ConvertArea(int i, int j, double value);

}  // namespace vaneko::convert
