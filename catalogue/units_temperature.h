// Tab 0, temperature: the scales the registry converts between.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kTemperatureUnits[] = {
    {"Celcius", "Celcius"},        // 0
    {"Fahrenheit", "Fahrenheit"},  // 1
    {"Kelvin", "Kelvin"},          // 2
    {"Rankine", "Rankine"},        // 3
};

}  // namespace vaneko::catalogue
