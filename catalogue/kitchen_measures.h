// Tab 5, grams to kitchen measures: the to-list of volume measures, the same in both languages.
// Names are shown exactly as written, misspellings included.
//
// The kitchen tab has always applied each measure as a number of measures per millilitre rounded
// to 15 significant digits (0.202884136211058 teaspoons per millilitre, not the exact reciprocal
// of 4.92892159375 mL). A measure's size is therefore stated as the reciprocal of that rounded
// figure, which keeps every kitchen result as it has always been.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue {

// The size in millilitres of a measure applied as `perMillilitre` measures per millilitre.
constexpr ExactSize MeasureOfFactor(const char* perMillilitre) {
  return Whole(1) / Decimal(perMillilitre);
}

// Name, size in millilitres, symbol; in list order.
inline constexpr MeasureRow kKitchenMeasures[] = {
    {"Mililitre", Whole(1), "mL"},
    {"Cuillière à thé", MeasureOfFactor("0.202884136211058"), "tsp (US)"},    // US teaspoon
    {"Cuilière à table", MeasureOfFactor("0.067628045403686"), "tbsp (US)"},  // US tablespoon
    {"Once UK", MeasureOfFactor("0.035195079727854"), "fl oz (UK)"},          // UK fluid ounce
    {"Once", MeasureOfFactor("0.033814022701843"), "fl oz (US)"},             // US fluid ounce
    {"Tasse", MeasureOfFactor("0.00422675283773037"), "cup (US)"},            // US cup
};

}  // namespace vaneko::catalogue
