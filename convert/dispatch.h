// The conversion dispatch: the exact map of an ordered pair of list positions (from i, to j) of
// a category, read from the category's rows, or none.
#pragma once

#include <optional>

#include "core/exact_map.h"
#include "core/fp_faults.h"
#include "core/number_text.h"

namespace vaneko::convert {

// The map of the ordered pair of list positions (from i, to j) of category `tab` (0 to 17), or
// nullopt when the pair has none (a position of -1 or past the list, a heading line of the
// kitchen tab). How a pair converts follows from the two rows, with the sizes exact:
// - temperature: the affine map between the two scales, through the kelvin;
// - two units of the same scale: value × size(from) / size(to);
// - a unit and one of the reciprocal scale (fuel economy): 1 / (size(from) × size(to)) / value,
//   which raises the division-by-zero fault for a value of 0;
// - kitchen measures: value × (millilitres per gram of the food) / (millilitres of the measure).
std::optional<ExactMap> PairMap(int tab, int i, int j);

// The kitchen tab turned round: an amount in the measure at position `measure` of the measure
// list to grams of the food at position `food` of the food list, that is
// amount × (millilitres of the measure) / (millilitres per gram of the food), the exact inverse
// of PairMap(5, food, measure). nullopt for a position past either list or a heading line.
std::optional<ExactMap> MeasureToGramsMap(int measure, int food);

// The pair's map applied to the typed value, correctly rounded to the 15 digits shown;
// nullopt when the pair has no map. The caller wraps it in the floating-point fault guard.
std::optional<Extended> ConvertPair(int tab, int i, int j, const DecimalNumber& value);

}  // namespace vaneko::convert
