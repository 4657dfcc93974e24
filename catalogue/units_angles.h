// Tab 17, angles.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kAngleUnits[] = {
    {"Degré", "Degree"},    // 0
    {"Minute", "Minute"},   // 1
    {"Seconde", "Second"},  // 2
    {"Grad", "Grad"},       // 3
    {"Radian", "Radian"},   // 4
};

}  // namespace vaneko::catalogue
