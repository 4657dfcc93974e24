// Tab 5, grams to kitchen measures: the to-list of volume measures, the same in both languages.
// Names are shown exactly as written, misspellings included.
#pragma once

#include <string_view>

namespace vaneko::catalogue {

// One row per measure, in list order.
inline constexpr std::string_view kKitchenMeasures[] = {
    "Mililitre",         // 0: millilitre
    "Cuillière à thé",   // 1: US teaspoon
    "Cuilière à table",  // 2: US tablespoon
    "Once UK",           // 3: UK fluid ounce
    "Once",              // 4: US fluid ounce
    "Tasse",             // 5: US cup
};

}  // namespace vaneko::catalogue
