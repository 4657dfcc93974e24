// The conversion dispatch: the formula of an ordered pair of list positions (from i, to j) of a
// category, read from the category's rows, or none. Formulas run in extended precision; the
// caller wraps the evaluation in the floating-point fault guard.
#pragma once

#include <optional>

#include "core/fp_faults.h"

namespace vaneko::convert {

// The converted value of `value` from position i to position j of category `tab` (0 to 17), or
// nullopt when the pair has no formula (a position of -1 or past the list, a heading line).
// Never called with i == j, except in the kitchen-measures category, which has no same-unit
// shortcut.
//
// How a pair converts follows from the two rows:
// - temperature: the registry's conversion between the two scales' types;
// - two units with registry types: the registry's conversion between them (to centimetres from
//   any length but the metre: to metres, then times 100 in extended precision);
// - two units of the same scale: value × (size(from) / size(to));
// - a unit and one of the reciprocal scale (fuel economy): (1 / (size(from) × size(to))) / value,
//   which raises the division-by-zero fault for a value of 0;
// - kitchen measures: value × (millilitres per gram of the food) × (measures per millilitre).
std::optional<Extended> ConvertPair(int tab, int i, int j, double value);

// ConvertPair for one category, as a plain function.
using PairFormula = std::optional<Extended> (*)(int i, int j, double value);

// The pair formula of category `tab` (0 to 17); nullptr outside that range.
PairFormula CategoryFormula(int tab);

}  // namespace vaneko::convert
