// Tab 0, temperature: four scales, each an affine map of the kelvin, converted exactly through
// it. Each scale is also a type of the measurement registry's temperature family.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// A degree Fahrenheit or Rankine is five ninths of a kelvin; 0 °F is 459.67 °R.
inline constexpr ExactSize kFifthsOfNine = ExactSize{5, 9};

// French and English names, registry type, symbol, kelvins per degree, the scale's zero in
// kelvins; in list order.
inline constexpr TemperatureRow kTemperatureUnits[] = {
    {{"Celcius", "Celcius"}, Celsius, "°C", Whole(1), kIcePointKelvins},
    {{"Fahrenheit", "Fahrenheit"},
     Fahrenheit,
     "°F",
     kFifthsOfNine,
     kFahrenheitZeroRankine* kFifthsOfNine},
    {{"Kelvin", "Kelvin"}, Kelvin, "K", Whole(1), Whole(0)},
    {{"Rankine", "Rankine"}, Rankine, "°R", kFifthsOfNine, Whole(0)},
};

}  // namespace vaneko::catalogue::unit_tables
