// Tab 2, mass: metric and avoirdupois weights.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kMassUnits[] = {
    {"Gramme", "Gram"},                // 0
    {"Kilogramme", "Kilogram"},        // 1
    {"Tonne Métrique", "Tonne"},       // 2
    {"Once", "Ounce"},                 // 3
    {"Livre", "Pound"},                // 4
    {"Tonne", "Ton"},                  // 5
    {"Tonne Longue", "Tonne Longue"},  // 6
    {"Grain", "Grain"},                // 7
    {"Drachme", "Dram"},               // 8
};

}  // namespace vaneko::catalogue
