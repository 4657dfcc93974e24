// Tab 12, fuel economy: distance per volume and volume per distance.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kFuelEconomyUnits[] = {
    {"Kilomètre par Litre", "Kilomètre per Litre"},            // 0
    {"Litre par 100 kilometres", "Litre per 100 kilometres"},  // 1
    {"Litre par kilometre", "Litre per kilometre"},            // 2
    {"Mille par Gallon (UK)", "Mile per Gallon (UK)"},         // 3
    {"Mille par Gallon (US)", "Mile per Gallon (US)"},         // 4
};

}  // namespace vaneko::catalogue
